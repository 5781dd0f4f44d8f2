#include "content/ChinesePairTexts.h"
// Written for this program; every text is its own.
namespace content {
namespace {

constexpr std::string_view kRatRat =
    R"~(Two Rats recognize each other at once: the same quick eyes, the same knack for spotting an opening before anyone else has noticed the door. Together they build a sharp, busy household where plans are hatched over breakfast and savings are tucked away for the rainy days both of them quietly expect. Conversation never runs dry, and each enjoys a partner who keeps pace instead of needing everything explained twice. Their shared thrift turns into a game they both win, while their sociable streak fills the calendar with friends and gatherings. The one caution is that two natural worriers can feed each other's nerves, so they do well to remind one another that not every shadow hides a trap. Once they relax, the bond is warm, witty and remarkably secure.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, two Rats share a splendid score of nine.)~";

constexpr std::string_view kRatOx =
    R"~(The Rat arrives full of schemes and bright ideas, and the Ox listens without hurry, weighing each one as if it were a sack of grain. This can be a useful arrangement: the Rat finds openings and contacts, while the Ox supplies the patience and stamina to see a plan through to harvest. Trouble starts when the Rat grows restless with the Ox's slow, deliberate pace, or when the Ox begins to suspect the Rat of scattering energy in a dozen directions at once. Neither is especially demonstrative, so affection tends to show in practical favors rather than grand words. If they divide their roles clearly and resist the urge to remake each other, they can become a reliable team with a comfortable home and a healthy nest egg.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rat and Ox earn a fair six.)~";

constexpr std::string_view kOxRat =
    R"~(An Ox and a Rat often start out as an odd but workable couple. The Ox is steady, methodical and content to plow the same field for years, while the Rat darts about gathering opportunities and gossip with equal delight. The Ox can give the Rat a solid base and a sense of safety; the Rat, in turn, can stir the Ox out of ruts and point out chances a slower eye would miss. The friction comes from tempo. The Ox dislikes being rushed and may call the Rat flighty, and the Rat may quietly judge the Ox as stubborn and dull. Both, however, value security and prudent spending, and that shared instinct goes a long way. With clear responsibilities and a little tolerance, the partnership settles into something dependable.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Ox and Rat reach a middling six.)~";

constexpr std::string_view kRatTiger =
    R"~(The Rat is careful, calculating and fond of a safety net, while the Tiger leaps first and checks the landing afterward. At the start there is real attraction in the contrast: the Rat admires the Tiger's courage, and the Tiger enjoys the Rat's clever tongue. Over time, though, their instincts pull against each other. The Rat frets about the Tiger's risky ventures and loose spending, and the Tiger feels watched, judged and hemmed in by the Rat's caution. Both like to hold the reins, which sharpens every disagreement about money or plans. This match is possible, but it asks for honest talk, separate spheres of control and a willingness on each side to admire rather than resent the other's very different way of facing the world.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rat and Tiger manage a modest four.)~";

constexpr std::string_view kTigerRat =
    R"~(When a Tiger falls for a Rat, sparks fly quickly, and so do the first disagreements. The Tiger lives boldly, trusting instinct and chasing big causes; the Rat prefers to study the ground, count the cost and keep something in reserve. The Tiger may find the Rat's caution petty or even sly, while the Rat worries that the Tiger's impulsive leaps will bring the roof down on them both. Neither likes taking orders, so small quarrels can swell into contests of will. Still, there is something to learn here: the Tiger can teach the Rat to be braver, and the Rat can show the Tiger the value of a plan. It takes patience, clear boundaries and plenty of goodwill to make these two comfortable together.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Tiger and Rat rate a cautious four.)~";

constexpr std::string_view kRatAnimalone =
    R"~(The Rat and the Rabbit are both clever, sociable and fond of comfort, which gives them an easy starting point. The Rat brings energy, news and a head full of plans, while the Rabbit contributes tact, good taste and a gift for making any room feel peaceful. They enjoy entertaining together and rarely argue about the value of a well-kept home. Small tensions appear when the Rat's constant hustle tires the gentle Rabbit, or when the Rabbit's caution seems like foot-dragging to the restless Rat. The Rabbit also bruises easily, so the Rat should soften its sharper remarks. When each respects the other's pace, they settle into a pleasant, affectionate partnership with plenty of laughter and very little drama.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rat and Rabbit land on a pleasant seven.)~";

constexpr std::string_view kAnimaloneRat =
    R"~(A Rabbit paired with a Rat usually finds a lively, amusing companion who shares its love of a cozy nest and good company. The Rabbit supplies grace, diplomacy and a calming presence; the Rat adds drive, ingenuity and a talent for turning up useful opportunities. Together they make charming hosts and sensible managers of the household budget. The Rabbit, however, craves tranquility, and the Rat's busy schedule and sudden schemes can leave it feeling rattled. The Rat, for its part, may grow impatient with the Rabbit's habit of avoiding any confrontation. A little gentleness from the Rat and a little boldness from the Rabbit keep things smooth, and the result is a warm, comfortable bond that most friends envy.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rabbit and Rat come in at a comfortable seven.)~";

constexpr std::string_view kRatDragon =
    R"~(This is one of the great pairings of the Chinese zodiac. The Rat's sharp wits and eye for detail fit perfectly around the Dragon's grand vision and boundless confidence. The Rat genuinely admires the Dragon's brilliance, and the Dragon, who loves an appreciative audience, returns the favor by valuing the Rat's cleverness and practical advice. Together they plan boldly and execute well, whether they are building a business, a family or a dazzling social life. The Dragon lends the Rat courage, and the Rat keeps the Dragon's feet near enough to the ground to avoid costly mistakes. Their passion runs high, their loyalty runs deep, and their shared ambition turns ordinary days into adventures. Few couples feel so naturally on the same side.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rat and Dragon score a glowing ten.)~";

constexpr std::string_view kDragonRat =
    R"~(A Dragon and a Rat together form a partnership that seems blessed from the outset. The Dragon dreams on a grand scale and radiates charisma; the Rat has the shrewdness and resourcefulness to turn those dreams into something solid. The Dragon feels admired and understood, which brings out its generous side, and the Rat feels protected and inspired by such a confident ally. Their conversations crackle with ideas, and they rarely run short of projects or friends. When disagreements arise, they tend to blow over quickly because both sense they are stronger as a pair than apart. Romance between them is vivid and affectionate, and friendship or business ties are equally rewarding. This is a match where each truly brings out the best in the other.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dragon and Rat achieve a perfect ten.)~";

constexpr std::string_view kRatSnake =
    R"~(The Rat and the Snake are both thinkers, and each recognizes a sharp mind in the other. The Rat is quick, chatty and opportunistic; the Snake is slower, deeper and more secretive, preferring to study a situation in silence before striking. This difference can be complementary, since the Rat gathers information and the Snake knows exactly what to do with it. Both appreciate the finer things and handle money with care. The tricky part is trust: the Snake can be possessive and suspicious of the Rat's wide social circle, while the Rat may feel shut out by the Snake's private moods. With openness on both sides, their mutual respect ripens into a discreet, clever and rather elegant partnership.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rat and Snake enjoy a respectable seven.)~";

constexpr std::string_view kSnakeRat =
    R"~(When a Snake settles down with a Rat, it finds a companion nearly as canny as itself. The Snake brings patience, intuition and a cool head under pressure; the Rat brings speed, charm and a nose for opportunity. They admire each other's intelligence and rarely bore one another, and they share a healthy respect for savings and security. Where they differ is in temperament. The Snake likes privacy and a small, trusted circle, while the Rat thrives on chatter and a busy diary, which can stir the Snake's jealous streak. The Rat, meanwhile, may wish the Snake would reveal more of what it feels. If they agree on clear signs of loyalty, this thoughtful pair can build something quietly impressive.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Snake and Rat settle at a solid seven.)~";

constexpr std::string_view kRatHorse =
    R"~(The Rat and the Horse sit directly opposite each other on the zodiac wheel, and the tension shows. The Rat wants roots, savings and a carefully tended nest; the Horse wants open roads, spontaneous plans and the freedom to gallop off whenever the mood strikes. The Rat can feel neglected or anxious when the Horse disappears into its own pursuits, and the Horse may feel fenced in by the Rat's questions and budgets. Both are lively talkers, so quarrels can become loud and quick. None of this makes love impossible, but it does make it demanding. There are honest bright spots: both are sociable, quick-witted and hardworking, and on a gloomy day the Horse's good cheer can loosen the Rat's worries. Even so, these two need generous personal space, firm agreements about money and a real effort to appreciate, rather than correct, the other's nature. Without that work, frustration tends to win.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rat and Horse struggle to a low three.)~";

constexpr std::string_view kHorseRat =
    R"~(A Horse drawn to a Rat is usually charmed by its wit, but the attraction rarely smooths over their basic differences. The Horse lives for movement, novelty and independence, spending freely and following impulse; the Rat calculates, hoards and likes to know exactly what tomorrow holds. The Horse soon finds the Rat's caution stifling and its questions intrusive, while the Rat reads the Horse's restlessness as carelessness or even indifference. Tempers flare because both speak their minds quickly. These are traditional opposites, and the relationship will feel like hard work more often than not. If they are determined, they must give each other room to roam, set clear ground rules about money and learn to laugh at their differences instead of fighting them.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Horse and Rat score a testing three.)~";

constexpr std::string_view kRatGoat =
    R"~(The Rat is practical, thrifty and quick to speak its mind; the Goat is gentle, artistic and deeply in need of reassurance. At first the Rat may enjoy the Goat's softness and creativity, and the Goat may welcome the Rat's ability to handle the practical side of life. Yet the Goat's moods and love of beautiful, costly things can baffle the budget-minded Rat, and the Rat's blunt remarks land harder on the sensitive Goat than intended. The Goat wants to be cherished; the Rat shows care through planning and provision, which may not feel like tenderness to its partner. A successful match needs the Rat to soften its tongue and the Goat to voice its needs plainly rather than withdrawing into hurt silence.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rat and Goat muster a modest four.)~";

constexpr std::string_view kGoatRat =
    R"~(For a Goat, a Rat partner can seem like a sturdy shelter at first: resourceful, sensible and always ready with a plan. The Goat offers kindness, imagination and a gift for making a home lovely. Over time, however, the two discover how differently they are wired. The Goat spends on beauty and comfort and needs frequent reassurance, while the Rat counts every coin and rarely thinks to offer praise unprompted. The Goat may feel criticized and unappreciated; the Rat may feel burdened by moods it cannot fathom. Neither means harm, but misunderstandings pile up. Patience, regular gestures of affection and honest talk about money give them a fighting chance, though the bond will always require conscious tending.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Goat and Rat rate an uneasy four.)~";

constexpr std::string_view kRatMonkey =
    R"~(The Rat and the Monkey are a delight to watch together, two quick minds egging each other on to ever more inventive feats. The Rat admires the Monkey's daring and humor, and the Monkey appreciates the Rat's sharp instincts and practical know-how. They share a taste for clever plans, lively company and a little harmless mischief, so boredom simply never sets in. In love, they are playful and affectionate; in business, they make a formidable pair of problem-solvers who can talk their way into, and out of, almost anything. The Rat's prudence keeps the Monkey's wilder ideas grounded, while the Monkey's confidence lifts the Rat's spirits whenever worry creeps in. This is a joyful, deeply compatible union built on laughter and mutual admiration.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rat and Monkey hit a brilliant ten.)~";

constexpr std::string_view kMonkeyRat =
    R"~(A Monkey who finds a Rat has found a true partner in crime. Both are witty, resourceful and endlessly curious, and their days together overflow with schemes, jokes and spur-of-the-moment outings. The Monkey brings flair, confidence and an inventive streak; the Rat brings keen judgment, thrift and a gift for spotting the opportunity hidden inside a problem. They understand each other's restless minds without needing explanations, and they forgive each other's small tricks with a grin. Romance is fun and flirtatious, friendship is loyal, and any joint venture is likely to prosper. When one stumbles, the other is already thinking of a way out. It is hard to imagine a livelier or more harmonious combination.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Monkey and Rat reach a sparkling ten.)~";

constexpr std::string_view kRatAnimaltwo =
    R"~(The Rat and the Rooster are both hard workers with sharp eyes and sharper tongues, which makes for plenty of respect and plenty of sparring. The Rat is charming, flexible and alert to opportunity; the Rooster is precise, proud and devoted to doing things properly. The Rooster may criticize the Rat's shortcuts and opportunism, while the Rat finds the Rooster's perfectionism and love of display a little tiresome. On the other hand, both are organized, both value a tidy bank balance, and both like being seen as capable. If they channel their energy into a shared goal rather than scoring points off each other, they can be an effective team. Affection grows steadily where criticism is kept gentle and praise is given freely.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rat and Rooster arrive at a reasonable six.)~";

constexpr std::string_view kAnimaltwoRat =
    R"~(A Rooster paired with a Rat finds a partner who is every bit as industrious, though far less fussy about method. The Rooster likes order, punctuality and a plan that is followed to the letter; the Rat improvises, bargains and slips through gaps the Rooster would never consider. This can be productive when they combine the Rooster's thoroughness with the Rat's resourcefulness. It can also be prickly, since both say exactly what they think and neither enjoys being corrected. The Rooster's need for admiration may clash with the Rat's teasing sense of humor. Shared ambition and a mutual love of security keep them together, and kindness in place of critique turns a decent match into a rewarding one.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rooster and Rat score a fair six.)~";

constexpr std::string_view kRatDog =
    R"~(The Rat and the Dog make a warm and trustworthy pairing. The Rat brings cleverness, cheer and a knack for practical solutions that eases the Dog's habit of worrying about everything. The Dog, in turn, is honest, loyal and protective, and its steady devotion gives the Rat a sense of safety that lets it relax and enjoy life. Both care deeply about family and close friends, and both are willing to work hard for the people they love. The Dog may occasionally distrust the Rat's sly maneuvering, and the Rat may find the Dog's moral certainty a little rigid, but these are small bumps. Built on respect and good humor, this relationship tends to grow sturdier with each passing year.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rat and Dog score a healthy eight.)~";

constexpr std::string_view kDogRat =
    R"~(When a Dog chooses a Rat, it gains a companion who is sharp, sociable and full of good ideas. The Dog supplies loyalty, integrity and a reassuring sense of duty, while the Rat supplies ingenuity, a sense of fun and a gift for managing resources. The Rat helps the anxious Dog lighten up; the Dog helps the restless Rat feel anchored and truly valued. They share a deep attachment to home and to the people within it, and each will defend the other fiercely. Occasional friction arises when the principled Dog questions the Rat's cleverer tactics, but honest talk clears the air quickly. This is a caring, dependable bond that brings out generosity and trust in both partners.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dog and Rat earn a warm eight.)~";

constexpr std::string_view kRatPig =
    R"~(The Rat and the Pig share a love of comfort, good food and good company, and they fall into an easy rhythm together. The Pig's generosity and open heart melt the Rat's guarded side, while the Rat's shrewdness protects the trusting Pig from those who might take advantage of its kindness. They laugh a lot, entertain often and rarely hold grudges. The main point of difference is money: the Rat saves carefully and the Pig spends happily, so a little compromise is needed to keep the peace. The Rat should also resist the urge to nag when the Pig indulges. Overall, though, this is an affectionate, supportive match where each partner feels appreciated and genuinely at home.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rat and Pig enjoy a happy eight.)~";

constexpr std::string_view kPigRat =
    R"~(A Pig and a Rat together create a cozy, cheerful household. The Pig is warm, sincere and endlessly generous; the Rat is clever, resourceful and quick to spot both bargains and dangers. The Pig's easygoing nature soothes the Rat's nerves, and the Rat's practical sense keeps the Pig's good nature from being exploited. Both enjoy the pleasures of life and the company of friends, and they share a talent for turning an ordinary evening into a small celebration. Their styles with money do differ, since the Pig treats and the Rat tallies, but a simple household budget settles most of that. Affection comes naturally, forgiveness comes quickly, and the bond deepens with time.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Pig and Rat land on a lovely eight.)~";

constexpr std::string_view kOxOx =
    R"~(Two Oxen together build something that lasts. Both are patient, industrious and loyal, and both believe that promises are meant to be kept and bills are meant to be paid on time. Their home is orderly, their finances sound and their routines reassuringly predictable. Each understands the other's need for quiet and for work well done, so there is little of the friction that troubles more mismatched couples. The risk lies in too much sameness: life can slide into a rut, and two stubborn creatures can dig in their hooves over the smallest point and refuse to budge for days. A little deliberate fun, the occasional surprise and a readiness to yield first now and then keep this steady partnership warm as well as solid.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, two Oxen share a sturdy eight.)~";

constexpr std::string_view kOxTiger =
    R"~(The Ox is traditional, methodical and firmly in favor of rules; the Tiger is rebellious, impulsive and allergic to being told what to do. Each may feel an initial respect for the other's strength, but the relationship soon turns into a tug of war. The Ox tries to steer the Tiger toward caution and routine, and the Tiger bristles, seeing control where the Ox sees common sense. Meanwhile the Ox finds the Tiger's sudden passions and risky moves exhausting. Both are strong-willed, so neither backs down easily. To make this work, they must agree who leads in which areas, allow each other real independence and recognize that steadiness and daring can complement one another instead of competing.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Ox and Tiger rate a guarded four.)~";

constexpr std::string_view kTigerOx =
    R"~(A Tiger with an Ox often feels like a wild cat tethered to a plow. The Tiger craves excitement, spontaneity and room to roam; the Ox values order, patience and the quiet satisfaction of routine. The Ox may be a reliable rock in a storm, which the Tiger can appreciate, but it is also slow to change and inclined to lay down the law. The Tiger reacts with defiance, and the Ox answers with stubbornness, so disputes can drag on. Still, the Ox's dependability can steady the Tiger, and the Tiger's courage can open the Ox to new horizons. The match works only with mutual respect, clearly shared authority and a conscious decision not to turn every difference into a contest.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Tiger and Ox come in at a shaky four.)~";

constexpr std::string_view kOxAnimalone =
    R"~(The Ox and the Rabbit share a love of peace, home and stability, and they can create a calm, comfortable life together. The Ox is the dependable provider, steady and hardworking; the Rabbit brings refinement, diplomacy and a soft touch that makes the household feel welcoming. The Rabbit appreciates the security the Ox offers, and the Ox enjoys the Rabbit's grace and tactful way with people. Difficulties are few, but the Ox can be blunt and undemonstrative, which may leave the sensitive Rabbit wishing for more tender words. The Rabbit, meanwhile, may seem overly delicate to the practical Ox. With a little extra warmth from the Ox and patience from the Rabbit, this is a gentle and enduring match.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Ox and Rabbit earn a contented eight.)~";

constexpr std::string_view kAnimaloneOx =
    R"~(A Rabbit and an Ox are a quietly harmonious couple. The Rabbit seeks tranquility and a safe haven, and the Ox, with its steady habits and unwavering reliability, offers exactly that. In return the Rabbit adds elegance, kindness and a talent for smoothing over awkward moments, which helps the more reserved Ox in social settings. Neither enjoys conflict or chaos, so their home tends to be peaceful and well run. The Rabbit may sometimes feel the Ox is too gruff or slow to express affection, and the Ox may not always understand the Rabbit's delicate feelings. Gentle words and small gestures bridge that gap easily, leaving a loyal and deeply comfortable partnership.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rabbit and Ox score a cozy eight.)~";

constexpr std::string_view kOxDragon =
    R"~(The Ox and the Dragon are both powerful characters, and each respects strength when it sees it. The Ox works steadily and quietly toward long-term goals, while the Dragon charges ahead with flair, charisma and grand ambitions. Together they can achieve a great deal, since the Ox provides endurance and the Dragon provides vision and drive. The difficulty is style: the Ox may find the Dragon showy and reckless, and the Dragon may find the Ox dull and too set in its ways. Both like to be in charge, which can spark power struggles. When they recognize that their different strengths serve a shared purpose, the partnership becomes productive, loyal and surprisingly affectionate.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Ox and Dragon reach a creditable seven.)~";

constexpr std::string_view kDragonOx =
    R"~(A Dragon and an Ox can make a formidable team if they learn to share the stage. The Dragon is dazzling, energetic and full of big ideas; the Ox is steady, patient and reliable to a fault. The Dragon supplies inspiration and the Ox supplies the persistence to make things happen, which is a winning combination in business and in family life alike. Their tempers, however, are both strong. The Dragon can grow impatient with the Ox's caution, and the Ox can resent the Dragon's taste for drama and attention. Arguments tend to be about control rather than feeling. With a clear division of roles and honest admiration for each other's gifts, they build a partnership of real substance.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dragon and Ox manage a sound seven.)~";

constexpr std::string_view kOxSnake =
    R"~(The Ox and the Snake are a natural fit, bound by a shared preference for quiet depth over noisy display. The Ox brings reliability, patience and a capacity for hard work; the Snake brings wisdom, intuition and a subtle strategic mind. Each trusts the other to keep confidences and to follow through on promises. The Snake admires the Ox's integrity, and the Ox values the Snake's insight and calm judgment. Both prefer a small circle of close friends and a peaceful, well-ordered home. The Snake's occasional jealousy and the Ox's stubbornness are the only real snags, and both are easily managed by two such sensible souls. This is a serene, loyal and deeply rewarding match.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Ox and Snake share an excellent nine.)~";

constexpr std::string_view kSnakeOx =
    R"~(A Snake who partners with an Ox often feels it has found its perfect anchor. The Snake is thoughtful, elegant and strategic, and it appreciates how the Ox's solid reliability frees it to plan without worry. The Ox, in turn, admires the Snake's quiet intelligence and values its discretion. They share ambitions for security and comfort, and neither needs a crowd to feel content. Their conversations may be unhurried, but they are rich in mutual understanding. Occasional friction can arise when the Snake's possessiveness meets the Ox's immovable opinions, yet they tend to resolve things calmly and privately. Over time, this union grows into something both tender and unshakably strong.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Snake and Ox score a superb nine.)~";

constexpr std::string_view kOxHorse =
    R"~(The Ox and the Horse are both hard workers, but they work in entirely different ways. The Ox plods steadily, valuing routine, caution and long-term planning, while the Horse gallops from one enthusiasm to the next, prizing freedom and variety. The Ox may see the Horse as unreliable and flighty, and the Horse may find the Ox dull and controlling. Yet there is potential: the Ox can give the Horse a stable base to return to, and the Horse can bring fresh air and energy into the Ox's world. Success depends on compromise, with the Ox allowing the Horse its independence and the Horse showing the Ox it can be counted on when it truly matters.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Ox and Horse land on a middling five.)~";

constexpr std::string_view kHorseOx =
    R"~(For a Horse, an Ox partner can be both a comfort and a frustration. The Horse is lively, sociable and always ready for a new adventure; the Ox is steadfast, cautious and happiest when life follows a familiar pattern. The Horse may appreciate the Ox's loyalty and the security it provides, but it also chafes at the Ox's rules and slow pace. The Ox, for its part, worries about the Horse's impulsiveness and wonders whether it will ever settle down. Neither is wrong, simply different. If the Horse learns to honor its commitments and the Ox learns to loosen the reins a little, they can find a workable balance, though it will take ongoing effort from both.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Horse and Ox score an even five.)~";

constexpr std::string_view kOxGoat =
    R"~(It is only fair to say plainly that the Ox and the Goat face one of the toughest matches in the zodiac. The Ox is practical, disciplined and sparing with words of affection; the Goat is sensitive, artistic and in constant need of emotional reassurance. The Ox may view the Goat as indulgent, moody and impractical, while the Goat experiences the Ox as cold, rigid and critical. Money is a flashpoint, since the Goat spends on beauty and comfort and the Ox guards every coin. Misunderstandings accumulate quietly until they become wounds. There are real strengths to draw on all the same: both want a settled home, both stay loyal once committed, and the Ox's steadiness can calm the Goat's worries just as the Goat's gentleness can soften the Ox. A relationship here is possible only with deliberate, sustained effort: the Ox must learn to express tenderness openly, and the Goat must learn to share the practical load without feeling diminished.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Ox and Goat face a difficult two.)~";

constexpr std::string_view kGoatOx =
    R"~(A Goat who falls for an Ox should go in with open eyes, because this pairing demands a great deal of work. The Goat is gentle, imaginative and longs to be cherished with words and small kindnesses; the Ox shows love through duty and labor, and rarely thinks to say the tender things the Goat yearns to hear. The Goat feels unappreciated and judged, while the Ox grows impatient with what it sees as whims, worries and extravagance. Their rhythms clash too: the Goat drifts and dreams, the Ox schedules and toils. Still, the makings of something good are there: the Ox's constancy can give the Goat the security it longs for, and the Goat's warmth can coax a softer side out of the Ox. To succeed, both must consciously translate their love into the other's language, talk through money calmly and forgive often. Without that commitment, hurt feelings tend to pile up.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Goat and Ox sit at a hard-won two.)~";

constexpr std::string_view kOxMonkey =
    R"~(The Ox and the Monkey are an unlikely couple. The Ox is earnest, methodical and deeply suspicious of shortcuts; the Monkey is witty, restless and delighted by any clever trick that saves time. At first the Ox may be amused by the Monkey's antics, and the Monkey may enjoy the Ox's calm strength. Over time, however, the Ox begins to distrust the Monkey's slippery ways, and the Monkey grows bored with the Ox's predictable routines. The Ox wants loyalty shown through consistency, while the Monkey shows affection through play and surprise. They can still learn from each other, since the Ox can steady the Monkey and the Monkey can lighten the Ox, but it takes patience and goodwill.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Ox and Monkey reach an uncertain four.)~";

constexpr std::string_view kMonkeyOx =
    R"~(A Monkey with an Ox often feels like a juggler performing for a very serious audience. The Monkey thrives on wit, novelty and improvisation; the Ox prefers steady progress, tradition and plans that do not change halfway through. The Monkey may admire the Ox's reliability but soon feels constrained by its caution, and the Ox may enjoy the Monkey's humor while doubting its sincerity. Trust becomes the central issue, as the Ox reads the Monkey's cleverness as slyness. For this match to thrive, the Monkey must prove its dependability through action, and the Ox must learn to laugh and allow some spontaneity. Otherwise, frustration on both sides tends to crowd out the affection.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Monkey and Ox score a modest four.)~";

constexpr std::string_view kOxAnimaltwo =
    R"~(The Ox and the Rooster are a superb combination, united by a shared love of order, diligence and doing things properly. The Ox provides patience, strength and quiet reliability; the Rooster adds sharp observation, organizational flair and a confident public face. The Rooster admires the Ox's steadiness, and the Ox appreciates the Rooster's precision and honesty. Both are hard workers who dislike waste and value punctuality, so their household and finances tend to run like clockwork. The Rooster's occasional vanity and outspokenness rarely ruffle the easygoing Ox, and the Ox's stubbornness is balanced by the Rooster's practical good sense. Together they build a respected, prosperous and loyal partnership.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Ox and Rooster earn a splendid nine.)~";

constexpr std::string_view kAnimaltwoOx =
    R"~(A Rooster who finds an Ox has found someone who truly understands its standards. The Rooster is meticulous, proud and energetic, always striving to get every detail right; the Ox is calm, dependable and happy to put in the long hours needed to see a task through. The Rooster enjoys having a partner who never lets it down, and the Ox is impressed by the Rooster's efficiency and candor. Their values align closely, from careful budgeting to a preference for tradition and loyalty. The Rooster may sometimes seek more admiration than the reserved Ox naturally offers, but a few kind words fix that. This is a productive, contented and enduring union.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rooster and Ox share an outstanding nine.)~";

constexpr std::string_view kOxDog =
    R"~(The Ox and the Dog are both loyal, principled and devoted to duty, which creates a strong foundation of trust. The Ox offers stability and a calm, steady presence; the Dog offers honesty, protectiveness and a fierce sense of fairness. Each knows the other will keep its word, and both take family responsibilities seriously. The difficulties are mostly emotional. The Dog tends to worry and needs reassurance, while the Ox can be stubborn and taciturn, not always providing the comforting words the Dog craves. Life together may also lack spontaneity. When they make an effort to talk openly and enjoy some lighthearted moments, their partnership becomes secure, respectful and lasting.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Ox and Dog arrive at a dependable seven.)~";

constexpr std::string_view kDogOx =
    R"~(A Dog and an Ox make a trustworthy, hardworking pair. The Dog is faithful, idealistic and always ready to defend what is right; the Ox is patient, methodical and unshakable in its commitments. The Dog finds comfort in the Ox's reliability, and the Ox respects the Dog's integrity and sense of justice. Their shared values make daily life smooth, from how money is handled to how the family is cared for. Yet the Dog's anxieties can meet a wall of Ox reserve, and the Ox's fixed opinions can frustrate the Dog's moral passion. Neither is naturally playful. If they carve out time for fun and open conversation, their bond remains solid and affectionate.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dog and Ox score a steady seven.)~";

constexpr std::string_view kOxPig =
    R"~(The Ox and the Pig get along comfortably, each filling a gap in the other's life. The Ox is industrious, disciplined and a dependable provider; the Pig is warm, generous and brings laughter and pleasure into the home. The Pig softens the Ox's serious nature, while the Ox gives the Pig the security it enjoys. They both value a peaceful household and close family ties. Friction appears when the Ox disapproves of the Pig's indulgences or easygoing attitude toward money, and when the Pig finds the Ox's routines a little too rigid. Still, the Pig's good humor rarely lets resentment fester, and the Ox's loyalty is never in doubt. This is a warm and sensible match.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Ox and Pig come to a comfortable seven.)~";

constexpr std::string_view kPigOx =
    R"~(A Pig and an Ox often form a cheerful, well-grounded union. The Pig brings kindness, sincerity and a love of simple pleasures; the Ox brings diligence, patience and a reassuring steadiness. The Pig feels safe with the Ox, and the Ox is gently drawn out of its shell by the Pig's warmth. Both are loyal and honest, and neither likes to play games in love. Where they may differ is in pace and priorities: the Pig enjoys leisure and treats, while the Ox prefers to save and keep working. A little flexibility from the Ox and a touch of restraint from the Pig keep harmony intact. Overall, this is a kind, faithful and contented partnership.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Pig and Ox rate a pleasing seven.)~";

constexpr std::string_view kTigerTiger =
    R"~(Two Tigers together make for a thrilling and volatile combination. Each is bold, passionate and fiercely independent, and each instantly understands the other's hunger for adventure and its refusal to be tamed. The attraction is powerful, and their shared enthusiasm can lead to exhilarating travels, daring projects and fiery romance. The trouble is that two rulers of the jungle rarely agree on who gets to lead. Pride makes apologies difficult, and quarrels can erupt suddenly and burn hot. Both also need plenty of freedom, which may leave the relationship feeling untended at times. If they learn to take turns at the helm and channel their competitive energy into common goals, two Tigers can enjoy a lively, if never tranquil, partnership.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, two Tigers register an even five.)~";

constexpr std::string_view kTigerAnimalone =
    R"~(The Tiger and the Rabbit are feline cousins in the zodiac, yet their temperaments could hardly be more different. The Tiger is bold, impulsive and drawn to excitement; the Rabbit is gentle, cautious and devoted to peace and comfort. The Rabbit may be charmed by the Tiger's magnetism, and the Tiger may enjoy the Rabbit's grace and calming presence. Over time, however, the Tiger's restlessness and tendency to charge into confrontation can unsettle the sensitive Rabbit, while the Rabbit's preference for quiet evenings may leave the Tiger feeling restrained. They can meet in the middle if the Tiger softens its approach and the Rabbit learns to speak up rather than retreating whenever tempers rise.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Tiger and Rabbit find a balanced five.)~";

constexpr std::string_view kAnimaloneTiger =
    R"~(A Rabbit with a Tiger is drawn to its courage and warmth, much as a quiet person is drawn to a bonfire. The Rabbit offers tact, refinement and a soothing influence; the Tiger offers energy, protection and an appetite for life. The Rabbit can help the Tiger think before it pounces, and the Tiger can coax the Rabbit out of its comfort zone. Yet their needs pull in different directions. The Rabbit wants serenity, predictability and gentle handling, while the Tiger wants action and can be careless with others' feelings in the heat of the moment. When the Tiger shows patience and the Rabbit shows a little daring, this pairing can hold together, but it requires a steady supply of understanding.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rabbit and Tiger score a fair five.)~";

constexpr std::string_view kTigerDragon =
    R"~(The Tiger and the Dragon are two of the most charismatic signs, and together they create a dazzling, energetic partnership. Both are confident, ambitious and unafraid of risk, and they share a love of bold ideas and grand gestures. The Dragon admires the Tiger's courage, and the Tiger is impressed by the Dragon's vision and vitality. The difficulty is that both want the spotlight and both like to be in command. Arguments can be dramatic, and neither backs down easily. Yet their mutual respect is genuine, and when they join forces toward a shared goal, they are almost unstoppable. With some humility and a willingness to share the limelight, this can be an exciting and rewarding match.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Tiger and Dragon score a promising six.)~";

constexpr std::string_view kDragonTiger =
    R"~(A Dragon with a Tiger makes a couple that turns heads wherever they go. The Dragon brings flair, self-assurance and a sense of destiny; the Tiger brings fearless passion and a rebellious spark that keeps life unpredictable. They inspire each other to aim higher, and their adventures together are rarely dull. Yet both possess strong egos, and power struggles are almost inevitable when two such leaders share a home or a project. The Dragon may expect admiration the Tiger is not inclined to give, and the Tiger may resent the Dragon's attempts to direct it. Honest communication and agreed areas of authority help these two turn rivalry into partnership.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dragon and Tiger earn a lively six.)~";

constexpr std::string_view kTigerSnake =
    R"~(The Tiger and the Snake approach life from opposite ends. The Tiger is open, impulsive and quick to act on feeling; the Snake is secretive, deliberate and guided by careful calculation. The Tiger finds the Snake cold and hard to read, and resents what feels like manipulation or possessiveness. The Snake, in turn, sees the Tiger as reckless and tactless, and it distrusts the Tiger's need for constant freedom. Mutual suspicion can poison even a promising start. That said, each has something valuable to offer, since the Snake's wisdom could temper the Tiger's rashness and the Tiger's candor could draw the Snake into the open. Making this work requires exceptional patience, transparency and trust.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Tiger and Snake limp along at three.)~";

constexpr std::string_view kSnakeTiger =
    R"~(A Snake drawn to a Tiger may be fascinated by its boldness but soon discovers how little they have in common. The Snake thinks before it moves, keeps its own counsel and values loyalty shown through discretion; the Tiger blurts out its feelings, follows its impulses and bristles at anything resembling surveillance. The Snake's quiet jealousy clashes with the Tiger's love of independence, and the Tiger's restlessness makes the Snake uneasy. They can easily misread each other's intentions. There is still something to value on each side: the Tiger's candor can teach the Snake to speak more freely, and the Snake's foresight can spare the Tiger a few costly leaps. If both are committed, the Snake must learn to trust more openly and the Tiger to act with more consideration, but this remains a demanding relationship that calls for real work from both sides.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Snake and Tiger reach a strained three.)~";

constexpr std::string_view kTigerHorse =
    R"~(The Tiger and the Horse are kindred spirits, bursting with energy, optimism and a love of freedom. Both crave adventure and neither wants a partner who clips its wings, so they give each other plenty of space while sharing countless exciting experiences. The Horse's cheerful, sociable nature lightens the Tiger's intense moods, and the Tiger's courage and idealism inspire the Horse. They enjoy travel, spontaneous plans and lively discussions, and they support each other's ambitions wholeheartedly. The occasional clash of tempers blows over quickly because neither holds a grudge for long. Honest, passionate and mutually respectful, this is one of the most harmonious pairings either sign can find.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Tiger and Horse enjoy a superb nine.)~";

constexpr std::string_view kHorseTiger =
    R"~(A Horse and a Tiger together are a bright flame of shared enthusiasm. The Horse is free-spirited, upbeat and endlessly curious; the Tiger is brave, passionate and driven by big ideals. They understand each other's need for independence without needing to discuss it, and they fill their lives with movement, laughter and ambition. The Tiger admires the Horse's zest, and the Horse feels energized by the Tiger's daring. Their mutual trust means neither feels threatened by time apart, and their reunions are warm and joyful. Quick tempers may spark now and then, but the air clears just as fast. Few combinations offer such natural understanding and mutual encouragement.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Horse and Tiger score a wonderful nine.)~";

constexpr std::string_view kTigerGoat =
    R"~(The Tiger and the Goat can be drawn to each other, but keeping the bond healthy takes considerable care. The Tiger is independent, restless and sometimes blunt; the Goat is gentle, sensitive and in need of security and frequent reassurance. The Tiger may feel protective of the Goat at first, enjoying its kindness and creativity, but it soon grows impatient with the Goat's moods and worries. The Goat, meanwhile, feels neglected when the Tiger rushes off on its latest adventure and may be wounded by its careless words. To succeed, the Tiger must slow down and offer the steady affection the Goat needs, and the Goat must find some independence of its own.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Tiger and Goat rate a fragile four.)~";

constexpr std::string_view kGoatTiger =
    R"~(A Goat with a Tiger is often attracted to its strength and confidence, hoping to find a protector. The Goat brings warmth, artistic sensibility and a gentle heart; the Tiger brings vitality, courage and a restless urge to explore. The trouble is that the Tiger's protection tends to come and go with its whims, and the Goat needs constancy. The Goat may feel insecure and neglected, while the Tiger feels burdened by what it sees as dependence or moodiness. Their ideas of a happy evening also differ greatly. With patience, the Goat can learn to give the Tiger more breathing room and the Tiger to show more consistent tenderness, but the road is not an easy one.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Goat and Tiger scrape together a four.)~";

constexpr std::string_view kTigerMonkey =
    R"~(Honesty is the kindest approach here: the Tiger and the Monkey are traditional opposites, and their relationship requires a great deal of effort. The Tiger is proud, earnest and intense; the Monkey is playful, mischievous and loves to tease. What the Monkey means as a harmless joke, the Tiger often takes as an insult, and the Tiger's fierce reactions make the Monkey wary and defensive. Both are competitive, both are clever and both dislike being outmaneuvered, so rivalry can easily replace romance. Trust is slow to build, because the Tiger suspects the Monkey's tricks and the Monkey resents the Tiger's attempts to dominate. The bright side is a shared zest for life: when they laugh together rather than at each other, their energy and wit make them lively company. If they truly want this bond, they must commit to frank communication, respect each other's pride and agree never to play games with each other's feelings.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Tiger and Monkey face a challenging two.)~";

constexpr std::string_view kMonkeyTiger =
    R"~(A Monkey with a Tiger should expect a bumpy ride. The Monkey is quick-witted, flexible and delights in clever schemes and playful teasing; the Tiger is passionate, proud and does not take kindly to being made the butt of a joke. The Monkey enjoys provoking reactions, and the Tiger reacts with force, which quickly turns flirtation into conflict. Each is also used to being the cleverest or strongest in the room, so power struggles are frequent. The Monkey may feel bullied, and the Tiger may feel mocked or manipulated. What they do share is vitality and quick minds, and on good days their banter can be real fun for both. This is a pairing that only thrives with exceptional goodwill: the Monkey must rein in its teasing and show sincerity, and the Tiger must cool its temper and learn to laugh at itself.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Monkey and Tiger struggle at a tough two.)~";

constexpr std::string_view kTigerAnimaltwo =
    R"~(The Tiger and the Rooster are both confident, outspoken characters, and that shared boldness is where the trouble begins. The Tiger prizes freedom, spontaneity and grand ideals; the Rooster prizes order, precision and getting every detail exactly right. The Rooster is quick to point out the Tiger's mistakes, and the Tiger, who hates criticism, responds with defiance. Arguments can become loud and frequent, with each convinced it is right. On the brighter side, both are honest, energetic and hardworking, and each can admire the other's courage and conviction. If the Rooster learns to temper its critiques and the Tiger learns to listen without bristling, they can find common ground, though it requires steady patience. On the compatibility scale of one to ten, Tiger and Rooster score a prickly four.)~";

constexpr std::string_view kAnimaltwoTiger =
    R"~(A Rooster paired with a Tiger finds an exciting partner but also a frequent sparring opponent. The Rooster is meticulous, organized and not shy about offering its opinion; the Tiger is free-spirited, impulsive and deeply resistant to being managed. The Rooster may see the Tiger as careless and disorganized, while the Tiger sees the Rooster as nagging and vain. Both are proud, so neither apologizes easily. Still, they share a certain straightforwardness, and neither plays hidden games. The relationship can function when the Rooster gives the Tiger room to act on its instincts and the Tiger acknowledges the value of the Rooster's careful planning. It is a match that demands ongoing compromise.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rooster and Tiger manage a bumpy four.)~";

constexpr std::string_view kTigerDog =
    R"~(The Tiger and the Dog are a wonderful match, joined by a shared sense of idealism and a deep commitment to what is right. The Tiger brings courage, passion and a fearless spirit; the Dog brings loyalty, honesty and steadfast support. The Dog admires the Tiger's bravery, and the Tiger deeply values the Dog's unwavering faithfulness. Both are willing to fight for causes they believe in, and they make a formidable team whether defending their family or championing a principle. The Dog's calm good sense balances the Tiger's impulsiveness, and the Tiger's optimism lifts the Dog out of its occasional worries. Trusting, generous and respectful, these two create a bond of real depth and warmth.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Tiger and Dog earn a richly deserved nine.)~";

constexpr std::string_view kDogTiger =
    R"~(A Dog who finds a Tiger has found a partner worthy of its loyalty. The Dog is principled, protective and sincere; the Tiger is daring, passionate and motivated by noble ideals. They recognize in each other a fundamental honesty, and neither needs to play games to feel secure. The Dog gives the Tiger a sense of being understood and supported, while the Tiger's confidence helps the Dog shed its anxieties and embrace life more fully. They stand shoulder to shoulder in the face of injustice and share a generous, open-hearted view of the world. Minor flare-ups of temper are resolved quickly and without lasting grudges. This is a courageous, devoted and truly fulfilling partnership.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dog and Tiger earn a glorious nine.)~";

constexpr std::string_view kTigerPig =
    R"~(The Tiger and the Pig make a warm and supportive pairing. The Tiger is bold, adventurous and sometimes impulsive; the Pig is easygoing, generous and blessed with a forgiving heart. The Pig supports the Tiger's grand plans without trying to control them, and the Tiger offers the Pig protection, excitement and enthusiasm. They both enjoy life's pleasures and share an honest, direct approach to love. Challenges can arise when the Tiger's restlessness leaves the Pig feeling overlooked, or when the Pig's indulgent streak seems lazy to the driven Tiger. Yet the Pig's patience and the Tiger's affection usually smooth things over. With mutual appreciation, this match is cheerful, loyal and rewarding.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Tiger and Pig land on a warm seven.)~";

constexpr std::string_view kPigTiger =
    R"~(A Pig with a Tiger enjoys a lively and affectionate partnership. The Pig is kind-hearted, sincere and always ready to see the best in others; the Tiger is dynamic, courageous and full of ambition. The Pig offers a stable, loving home to which the Tiger can return after its adventures, and the Tiger brings excitement and a protective spirit that makes the Pig feel secure. Both are honest and straightforward, with little patience for intrigue. The Pig may sometimes need more attention than the busy Tiger remembers to give, and the Tiger may wish the Pig were more ambitious. Still, their goodwill runs deep, and small differences rarely shake their bond.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Pig and Tiger reach a happy seven.)~";

constexpr std::string_view kAnimaltwoAnimaltwo =
    R"~(Put two Roosters in one house and the house will run like a clock, though it may not always feel like a home. Each partner rises early, keeps lists, notices the crooked picture frame and holds firm views on how the dishwasher should be loaded. At first that shared exactness feels like recognition, and each admires the other's grooming, punctuality and nerve. The difficulty is that two critics rarely take criticism well. A remark meant as help lands as a challenge, the reply comes back sharper, and a quiet dinner turns into a debate about who was right last March. Both also like to be admired, and in a couple where each is busy being impressive, applause runs short. Their loyalty is real, and neither would walk away from a promise. The pair improves a great deal once each Rooster adopts a simple rule, one compliment before any correction, and lets a few small matters go unjudged.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, two Roosters settle at a modest four.)~";

constexpr std::string_view kAnimaltwoDog =
    R"~(The Rooster respects the Dog's honesty almost at once, and it will need that respect, because little else about the Dog's manner comes easily to it. Both keep their word, work hard and expect the people around them to do the same. Where they part is in style. The Rooster likes to be seen: a sharp outfit, a well-told success, a correction delivered in front of friends. The Dog distrusts display and hears vanity in it, and it answers with a quiet, disapproving look that the Rooster reads as gloom. Each then digs in, since neither enjoys admitting a mistake, and the house can settle into a string of polite standoffs. Yet when trouble comes from outside, the Rooster's courage and the Dog's loyalty make them formidable allies. Day to day, much depends on the Rooster learning to save its critiques for private moments, where the Dog can hear them without feeling shamed.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rooster and Dog register a middling five.)~";

constexpr std::string_view kDogAnimaltwo =
    R"~(The Dog can trust a Rooster long before it can relax with one. It sees at once that this partner keeps promises, pays bills on time and works until the job is done properly, all qualities the Dog prizes. What wears on it is the commentary. The Rooster notices every flaw and says so, and it enjoys an audience in a way the modest Dog finds faintly shallow. The Dog's answer is often to brood, expect the worst and retreat into principle, which only convinces the Rooster that it is living with a pessimist. Both are stubborn once they have taken a stand. Their shared decency is worth building on, and in a crisis each would defend the other without a second thought. The pairing steadies when the two choose a common purpose, a family duty or a cause in the neighborhood, and let the work itself set the tone rather than their opinions of each other.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dog and Rooster land on a fair five.)~";

constexpr std::string_view kAnimaltwoPig =
    R"~(When a Rooster sets up house with a Pig, the first thing it notices is the clutter, and the second is how little the Pig minds it. The Rooster runs on schedules, budgets and clean counters, while the Pig runs on appetite, goodwill and the conviction that tomorrow is soon enough. There is real affection here. The Rooster admires the Pig's generosity and easy laugh, and the Pig is impressed by a partner who can fix, plan and organize almost anything. What spoils it is the Rooster's tongue. A steady stream of corrections, about spending, about tidiness, about the way the Pig tells a story, wounds the sensitive Pig more than it shows, because the Pig forgives quickly and sulks late. Its tolerance absorbs a great deal, but not everything. This match holds if the Rooster decides which standards truly matter and drops the rest, and if the Pig keeps the few promises it makes about money and chores.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rooster and Pig reach an average five.)~";

constexpr std::string_view kPigAnimaltwo =
    R"~(The Pig warms to the Rooster's competence long before it notices the list of complaints that comes with it. Here is a partner who remembers birthdays, files the taxes early and can plan a trip down to the last connecting flight, and the easygoing Pig finds that restful. The Rooster, in turn, likes the Pig's kindness and the way it never holds a grudge. Over the months, however, the corrections pile up: the Pig spends too freely, leaves things where they fall, lingers too long at the table. Each remark is small, and the Pig lets most of them pass, but the heap grows, and one day the famously patient Pig turns stubborn and sulky. The Rooster, meanwhile, feels that its careful work goes unthanked. Praise, traveling in both directions and said out loud, changes the mood of this pairing more than any rule could, and without it the old complaints soon return.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Pig and Rooster score a steady five.)~";

constexpr std::string_view kPigPig =
    R"~(A home shared by two Pigs is easy to spot: it is the one with the table set for more guests than were invited and laughter drifting out of the kitchen. Both partners are generous, affectionate and in no hurry to find fault, so daily life has a softness that many couples never manage. Quarrels are brief, apologies are quick, and neither keeps score. Each takes real pleasure in the other's comfort, whether that means a long breakfast, a shared hobby or an evening with old friends. That same easy trust is where they are exposed. Two Pigs can be talked into a poor investment, an unreliable friend or one indulgence too many, and neither likes to be the one who says no. A shared rule, such as sleeping on any large purchase, protects them well. With that small guard in place, the pleasures they share only grow richer with the years.)~" "\r\n\r\n"
    R"~(On a scale of one to ten, two Pigs enjoy a delightful eight.)~";

constexpr std::string_view kAnimaloneAnimalone =
    R"~(Two Rabbits understand one another almost without speaking. Each knows how the other likes the morning to begin, which friends are tiring and which are restful, and why a sharp word can spoil a whole afternoon. Their home tends to be beautiful in a quiet way, full of good books, soft light and well-chosen things, and guests leave it calmer than they came. Courtesy runs deep in both, and they rarely wound each other. The weakness of the pair is caution doubled. When a hard subject needs raising, each waits for the other to raise it, and when a bold choice appears, a new city or a change of career, both find reasons to wait another year. One partner must now and then play the brave one. If they trade that role back and forth, two Rabbits keep their gentle life from turning into a hiding place.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, two Rabbits earn a warm eight.)~";

constexpr std::string_view kAnimaloneDragon =
    R"~(To the Rabbit, the Dragon is thrilling and a little alarming, and both reactions are fair. The Dragon fills a room, makes plans on a grand scale and assumes that everyone will follow. The Rabbit moves more softly, reads people well and knows exactly when a word of tact will win more than a show of force. In practice these gifts fit together. The Rabbit helps the Dragon persuade where it might otherwise have bulldozed, and the Dragon gives the Rabbit the nerve to want more than a comfortable corner. Strain shows when the Dragon mistakes the Rabbit's silence for agreement, or when the Rabbit, stung by the Dragon's volume, retreats instead of answering. Neither means any harm; they simply speak at different strengths. The Rabbit does well to say what it thinks the first time, a little louder than feels natural, and the Dragon does well to ask twice before assuming the answer is yes.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Rabbit and the Dragon reach a respectable seven.)~";

constexpr std::string_view kDragonAnimalone =
    R"~(To a Dragon, a Rabbit is a rare thing: someone who is not trying to outshine it. The Dragon arrives with energy, ambition and a voice made for large rooms, and the Rabbit answers with grace, sharp perception and a talent for keeping a household or a business running smoothly behind the scenes. The Dragon opens doors, and the Rabbit makes sure the people inside want to stay. Friction starts when the Dragon pushes too hard, or takes the Rabbit's quiet nod for full agreement, and the Rabbit, hurt, slips away instead of arguing back. The Dragon has to learn that a soft voice can hold a firm opinion. The Rabbit has to trust that plain speaking will not set the house on fire. Once they have learned that much, the Dragon usually finds that its boldest plans go better with the Rabbit's counsel than without it.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dragon and Rabbit land on a solid seven.)~";

constexpr std::string_view kAnimaloneSnake =
    R"~(Quiet suits the Rabbit, and the Snake is one of the few partners who understands why. Neither needs a crowd to feel alive, both prefer a well-chosen dinner to a loud party, and each admires careful thought in the other. The Snake's insight and cool judgment impress the Rabbit, and the Snake in turn relaxes in the Rabbit's kindness and social ease, which smooth its own cooler edges in company. Together they can build a private, cultivated life of good rooms, good talk and discreet plans. What threatens it is what neither says. The Snake keeps its deeper feelings locked away and can turn possessive when it feels unsure, and the Rabbit, quick to sense rejection, reads that reserve as coldness and goes quiet in turn. Silence then answers silence. The cure is a habit of asking, gently and often, what the other is thinking, and of answering truthfully when asked.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rabbit and Snake share a pleasant seven.)~";

constexpr std::string_view kSnakeAnimalone =
    R"~(A Snake that settles down with a Rabbit finds a partner who shares its taste for calm, beauty and careful speech. Neither rushes, neither shouts, and both notice the details that louder people miss. The Snake contributes depth, patience and a shrewd head for plans, and the Rabbit contributes warmth, tact and a gift for making any room feel welcoming. Friends tend to see them as a composed, elegant couple. The work lies beneath that surface. The Snake guards its feelings closely and can slide into jealousy, which leaves the Rabbit feeling watched, and the Rabbit avoids conflict so skillfully that the Snake is often left guessing what went wrong. Each mistakes the other's reserve for distance. If the Snake lets more of its inner life show and the Rabbit names its worries before they harden, the trust between them settles into something steady and unhurried.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Snake and Rabbit enjoy a good seven.)~";

constexpr std::string_view kAnimaloneHorse =
    R"~(In the early weeks, the Rabbit finds the Horse's good cheer irresistible, and only later does it count the cost of keeping pace. The Horse's warmth draws the Rabbit out of its shell, and the Rabbit's grace and gentle humor make the Horse want to linger. Then the calendars collide. The Rabbit wants a settled week, a known budget and evenings at home, and the Horse wants to say yes to every invitation, trip and sudden idea. The Rabbit starts to feel that plans and feelings are being handled carelessly, and the Horse starts to feel reined in. Neither is wrong; they run on different clocks. The pairing can hold if the Rabbit keeps a restful home the Horse is glad to return to, and the Horse brings its adventures in doses the Rabbit can enjoy. Even then, it will always need regular, plain agreements about time, money and freedom.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Rabbit and the Horse sit at a middling five.)~";

constexpr std::string_view kHorseAnimalone =
    R"~(Good humor brings the Horse and the Rabbit together, and daily rhythm is what tests them. The Horse loves the Rabbit's grace and gentle wit, and the Rabbit enjoys the Horse's openness and sense of fun. But the Horse lives at a gallop, deciding on impulse, booking the trip before checking the bank balance, filling every weekend with friends. The Rabbit likes quiet evenings, careful budgets and time to think before it commits. Rushed, the Rabbit withdraws; held back, the Horse grows restless and a little sharp-tongued. As friends they get along with ease. As partners they need a deliberate bargain, in which the Horse slows down often enough to reassure the Rabbit and the Rabbit lets the Horse roam without reading every outing as a rejection. Whether they can keep that bargain week after week decides how far this match goes.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Horse and Rabbit manage an even five.)~";

constexpr std::string_view kAnimaloneGoat =
    R"~(Few partners suit the Rabbit as naturally as the Goat. Both are gentle, both love beauty, and both would rather make something lovely together than compete for attention. The Rabbit brings sound judgment and a steady hand with the practical side of life, and the Goat brings imagination, tenderness and a generous heart. They read each other's moods almost without words, and each feels safe enough to be soft in the other's company. Their home tends to fill with music, cooking, art and easy affection, and friends find it a restful place to visit. The one habit to watch is a shared dislike of confrontation, since a real problem, especially one about money, can be tucked away until it grows. A little courage in facing hard topics early keeps the whole arrangement sound. Given that, the Rabbit and the Goat can look forward to the kind of quiet devotion that lasts well into old age.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Rabbit and the Goat shine with a lovely nine.)~";

constexpr std::string_view kGoatAnimalone =
    R"~(The Goat relaxes around the Rabbit in a way it rarely manages with anyone else. Sensitive and easily unsettled, the Goat needs a partner who is considerate without smothering it, and the perceptive, calm Rabbit provides exactly that kind of secure nest. In return the Goat offers warmth, playfulness and an artist's eye that makes ordinary days feel special. Their values line up: home, beauty, loyalty and peace. Quarrels are rare and quickly mended. What they share less happily is a habit of postponing the unpleasant, from paperwork to the difficult conversation neither wants to start. When practical matters pile up, one of them simply has to take the lead, and it need not always be the same one. With that settled, the Goat and the Rabbit make a home that friends remember and that both partners are glad to come back to at the end of every day.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Goat and Rabbit enjoy a glowing nine.)~";

constexpr std::string_view kAnimaloneMonkey =
    R"~(The Rabbit and the Monkey can fill an evening with laughter, but a shared life asks far more of them. The Rabbit wants sincerity, routine and a partner it can predict. The Monkey wants novelty, a little risk and the freedom to improvise, and it treats a joke at someone's expense as harmless fun. To the Rabbit, those jokes can feel like evasion, or like a sign that nothing is being taken seriously, the relationship included. To the Monkey, the Rabbit's caution can look like a refusal to play. Trust is the hinge. Without it, the Rabbit grows guarded and the Monkey grows bored. Both are clever and sociable, and they do enjoy each other's wit, which counts for something. The match has a chance only if the Monkey proves, over months rather than days, that it is steady when it counts, and if the Rabbit loosens up enough to enjoy a partner who will never be entirely predictable.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Rabbit and the Monkey score a modest four.)~";

constexpr std::string_view kMonkeyAnimalone =
    R"~(What first catches the Monkey's eye is the Rabbit's charm, and what it struggles with longest is the Rabbit's caution. The Monkey thrives on novelty, clever improvisation and the occasional risk, and it gets bored when every evening looks like the last. The Rabbit wants security, courtesy and a quiet domestic rhythm. Where the Monkey sees a harmless prank, the Rabbit sees embarrassment, and where the Rabbit sees sensible care, the Monkey sees a fence. Left unspoken, those readings harden into a habit of misunderstanding. There is goodwill to draw on, since both enjoy good company and sharp conversation. The Monkey can earn the Rabbit's trust by being reliable and open about its plans, and the Rabbit can help by naming what hurts instead of withdrawing. If both keep at that for longer than feels comfortable, they may find a middle ground, though it will never be an easy road.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Monkey and Rabbit reach only four.)~";

constexpr std::string_view kAnimaloneAnimaltwo =
    R"~(A Rabbit living with a Rooster spends much of its time bracing for the next remark. These two sit opposite each other on the zodiac wheel, and the distance shows in the way they speak. The Rabbit is tactful, sensitive and slow to forget a harsh word; the Rooster is frank, exacting and convinced that pointing out a flaw is a kindness. What the Rabbit calls diplomacy, the Rooster calls evasion, and what the Rooster calls honesty, the Rabbit feels as a sting. The usual pattern is critique followed by retreat, then a silence the Rooster cannot decode. There is some common ground: both like an orderly home, good manners and a polished appearance, and both are loyal once committed. Even so, this pairing holds only if the Rooster learns to praise as readily as it corrects and the Rabbit learns to push back openly rather than go quiet, and both keep it up long after the first effort.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Rabbit and the Rooster struggle at a low two.)~";

constexpr std::string_view kAnimaltwoAnimalone =
    R"~(The Rooster says exactly what it thinks, and the Rabbit flinches; that is the trouble with this pair in a single line. Confident and precise, the Rooster is generous with advice and holds itself and everyone nearby to a high standard. The Rabbit, gentle and reserved, would rather keep the peace than hear the truth without any cushioning. Each Rooster critique leaves the Rabbit feeling judged, and each quiet retreat by the Rabbit leaves the Rooster baffled and a little insulted. Opposite signs on the wheel, they can spend years in that loop of correction and withdrawal. What they share is worth naming: a love of a tidy, attractive home, respect for good manners and a steady loyalty once they have chosen each other. Those are enough to start on, not enough to rely on. The Rabbit must find the nerve to answer back instead of vanishing into silence, and the rest depends on a Rooster willing to choose its words as carefully as it chooses its clothes.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rooster and Rabbit face a difficult two.)~";

constexpr std::string_view kAnimaloneDog =
    R"~(Traditional lore counts the Rabbit and the Dog as secret friends, and couples of this kind tend to agree. What the Rabbit wants most in a partner is loyalty, honesty and a protective heart, and the Dog offers all three without being asked. The Rabbit, for its part, calms the Dog. Its good sense and gentle manner take the edge off the Dog's worry about what might go wrong or who might be treated unfairly. They want the same things from life: a secure home, sincere friends and no needless drama. They also talk to each other well, since the Rabbit listens closely and the Dog says what it means. The bumps are small. The Rabbit's habit of dodging a quarrel can leave the Dog wanting the matter settled, and the Dog's gloomy spells can dim the room. Those pass. Kindness offered in this house tends to come back doubled.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Rabbit and the Dog earn a happy eight.)~";

constexpr std::string_view kDogAnimalone =
    R"~(For a Dog, a Rabbit is a place to set down its worries. The Dog spends much of its life on guard, watching for unfairness and bracing for trouble, and the Rabbit's warmth, tact and unhurried calm ease that restless mind better than any argument could. The Dog gives back what the Rabbit values most: faithfulness, a clear sense of right and wrong and a readiness to stand between its partner and harm. They share a taste for a stable home, real friendships and plain dealing, so friends see a considerate, dependable couple. Small things need watching. The Dog may brood or expect the worst, and the Rabbit may sidestep the plain talk the Dog needs before it can feel secure. A little reassurance from the Rabbit and a lighter touch from the Dog take care of most of it. In love, friendship or work, their loyalty to each other tends to grow with each passing year.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dog and Rabbit come in at a fine eight.)~";

constexpr std::string_view kAnimalonePig =
    R"~(The Rabbit trusts slowly, yet with the Pig trust arrives almost on its own. The Pig is so plainly sincere, so generous and so free of hidden motives that the cautious Rabbit finds itself relaxing within weeks. The Rabbit brings grace, discernment and a fine eye for a comfortable home, and its good judgment protects the Pig from people who would take advantage of its open hand. Members of the same trine, they enjoy the same pleasures: a good meal, a pretty room, the company of a few close friends. Fights are rare and forgiveness is fast. The shared weakness is indulgence, in spending, in food, in chores put off until next week, and a bit of gentle discipline keeps it in check. Their affection has the uncommon quality of deepening rather than fading, so a Rabbit and a Pig who have been together twenty years often seem fonder of each other than on the day they met.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Rabbit and the Pig earn an excellent nine.)~";

constexpr std::string_view kPigAnimalone =
    R"~(Generosity meets appreciation when a Pig settles down with a Rabbit. The Pig gives freely, laughs easily and wants above all for its partner to be comfortable, and the Rabbit notices every kindness and returns it with tact, intuition and a gift for making a serene home. Each feels understood. The Pig admires the Rabbit's taste and judgment, and the Rabbit is charmed by the Pig's honesty. Because neither wants to dominate, conflicts are few, and apologies come without pride on either side. Their weak spot is comfort itself. Together they can grow a little too cozy, shelving ambitions, letting the budget drift and turning down invitations that would have done them good. A few shared goals, written down and checked now and then, keep them moving. Beyond that, the two have little to fear, and friends often call their house the warmest place they know.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Pig and Rabbit share a wonderful nine.)~";

constexpr std::string_view kDragonDragon =
    R"~(Two Dragons in love make a couple nobody at the party overlooks. Each is confident, generous and ambitious, and each has finally found a partner who does not flinch at big plans or loud enthusiasm. They egg each other on, and together they can build a business, restore a ruined farmhouse or raise a family with the same fearless energy. Passion runs high and loyalty runs deep. The danger is a contest for the throne. Two Dragons both expect to lead, both dislike admitting a mistake, and both have tempers that flare fast, so a disagreement about something small can become a matter of pride. The couples who thrive divide the kingdom: each takes charge of certain realms and defers gracefully in the others. They also learn to apologize first, which is harder for a Dragon than any grand project. Once they manage that, two Dragons can accomplish together what neither would dare alone.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, two Dragons soar to an impressive nine.)~";

constexpr std::string_view kDragonSnake =
    R"~(The Dragon supplies the fire and the Snake supplies the aim, and together they seldom miss. The Dragon is bold, open and impatient to act, while the Snake watches, weighs and waits for the right moment, then moves with precision. In work and in love the mix is powerful. The Dragon admires the Snake's elegance and cool intelligence, and the Snake enjoys being close to such confident energy; the physical pull between them is strong as well. Where they clash is in openness. The Dragon says everything and expects the same in return, and the Snake reveals little and can grow possessive when the Dragon basks in other people's admiration. The Dragon may also lose patience with the Snake's careful timing. When the Dragon listens before it charges and the Snake shares a little more of what it is thinking, their joint plans tend to succeed, and the household prospers along with them.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dragon and Snake enjoy a strong eight.)~";

constexpr std::string_view kSnakeDragon =
    R"~(For a Snake, the Dragon is that rare partner whose ambition matches its own, though the Dragon wears it far more loudly. The attraction is quick and strong. Confidence and warmth draw the Snake to the Dragon, and the Dragon is fascinated by the Snake's composure, elegance and sharp judgment. As a team they are formidable: the Snake plans, the Dragon persuades, and doors open. The tension lies in temperament. The Snake moves slowly and privately and can turn jealous when the Dragon soaks up admiration elsewhere, while the Dragon, frank to a fault, wants everything said and settled at once. The Snake's part is to trust the Dragon with more of its inner life, and the Dragon's is to give the Snake's advice the weight it deserves. That is a small price for a partnership in which the Snake's depth steadies the Dragon's fire year after year.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Snake and Dragon make a convincing eight.)~";

constexpr std::string_view kDragonHorse =
    R"~(Speed is the common language of the Dragon and the Horse. Both love action, travel and a full calendar, both speak frankly, and neither wants a partner who needs coaxing out of the house. The Dragon brings vision and drive, the Horse brings warmth, humor and the stamina to keep up, and together they can turn a weekend idea into a month-long adventure. Leadership is where they rub. The Dragon likes to direct and expects admiration, while the Horse bristles at any harness and may simply gallop off when it feels managed. Their tempers are quick, so arguments flare hot, though they usually burn out just as fast. The Dragon does better to invite than to command, and the Horse does better to stay long enough to finish what the two of them started. What remains is a pair of independent spirits who keep choosing to run side by side.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Dragon and the Horse rate a lively eight.)~";

constexpr std::string_view kHorseDragon =
    R"~(The Horse finds in the Dragon a partner who never asks it to slow down. Adventure, new faces, a plan hatched at midnight and carried out by morning: the Dragon wants all of it as much as the Horse does, and it adds ambition and a generous, protective streak that the Horse quietly enjoys. The Horse, in return, brings cheer, flexibility and a knack for making friends wherever they land. Trouble starts when the Dragon begins to steer. The Horse values its independence above almost everything and will not be managed, even kindly, and the Dragon does not enjoy being ignored. Tempers flare on both sides, though they cool quickly. The Horse can help by checking in before it bolts, and the Dragon by asking instead of ordering. With those habits, these two have more fun on an ordinary Tuesday than many couples have on vacation.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Horse and Dragon race to a bright eight.)~";

constexpr std::string_view kDragonGoat =
    R"~(A Dragon who falls for a Goat usually starts by wanting to protect it. The Goat's gentleness, artistic eye and kind heart touch something in the Dragon that rivals and colleagues never see, and the Goat feels safer near such confident strength. The Goat also softens the Dragon's edges, reminding it that beauty and rest have a place next to ambition. Attention is the sore point. Busy chasing the next big goal, the Dragon may forget that the Goat needs tenderness and reassurance, not just a generous gift. The Goat's moods, in turn, can puzzle an impatient Dragon that would rather fix a problem than talk about a feeling. They simply show love in different ways, and neither way is wrong. When the Dragon keeps an evening free for the Goat and the Goat cheers on the Dragon's plans without sulking over its absences, the two find a surprising amount of warmth.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dragon and Goat rate a fair seven.)~";

constexpr std::string_view kGoatDragon =
    R"~(When a Goat takes up with a Dragon, it gains a champion, along with rather more noise than it is used to. The Dragon's confidence and generosity make the Goat feel protected, and its ambitions give the Goat's creative ideas a larger stage. The Goat returns the favor with tenderness, taste and the kind of gentle attention the Dragon seldom receives from the rivals it spends its days outshining. There are gaps to bridge. The Goat needs reassurance and soft words, and the Dragon, busy and brisk, can forget to supply them. The Dragon's bluntness may hurt the sensitive Goat, and the Goat's moods may exasperate a Dragon that wants answers rather than sighs. Most of this eases once the Goat learns to ask plainly for what it needs, because the Dragon, told clearly, is generous in giving it.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Goat and the Dragon arrive at a decent seven.)~";

constexpr std::string_view kDragonMonkey =
    R"~(From their first conversation, the Dragon senses that the Monkey is the partner it has been waiting for. The Dragon dreams in large shapes, and the Monkey, quick, inventive and unafraid, knows how to make those dreams work in the real world. Each genuinely admires the other: the Dragon loves the Monkey's cleverness and humor, and the Monkey is drawn to the Dragon's courage and warmth. They share a trine and much of an outlook, so their plans rarely pull in opposite directions. Their home is full of projects, guests and laughter, and their arguments tend to end in a joke. If anything needs watching, it is vanity, since both enjoy applause and the Monkey cannot always resist teasing a proud Dragon. These are small matters. Whatever the two of them decide to build, a business, a family or a circle of friends, usually flourishes.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dragon and Monkey score a perfect ten.)~";

constexpr std::string_view kMonkeyDragon =
    R"~(Seldom does a Monkey feel as much at home as it does beside a Dragon. It never needs to dim its cleverness here, and it never needs to explain why a bold idea is worth trying. The Monkey supplies ideas, humor and a practical trick for every obstacle, and the Dragon supplies vision, nerve and a generous heart. Each enjoys the other's company so much that work and play run together, and projects that would exhaust other couples seem to energize this one. Members of the same trine, they trust each other's instincts and tend to want the same things at the same time. Romance between them is playful and affectionate, and loyalty comes naturally. The one note of caution concerns pride: the Monkey loves to score a point and the Dragon hates to lose one, so teasing should stay kind. That aside, the years tend to bring these two even closer, with a growing store of shared jokes and achievements to show for it.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Monkey and the Dragon reach a flawless ten.)~";

constexpr std::string_view kDragonAnimaltwo =
    R"~(Traditional lore rates the Dragon with the Rooster highly, and it is easy to see why: the Dragon dreams up the plan, and the Rooster makes sure nothing in it is left to chance. The Dragon brings vision, charisma and courage, and the Rooster brings order, diligence and an eye for the detail that would otherwise sink the whole venture. Both like to look good and both admire competence, so each is proud to be seen with the other. At home they run an efficient, stylish household and entertain with flair. The friction, when it comes, is a clash of pride. The Rooster points out flaws without much cushioning, and the Dragon does not like being corrected, least of all in public. A Dragon that listens when the Rooster spots a problem, and a Rooster that offers praise along with its notes, will find that few couples can match them at getting things done.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dragon and Rooster earn a superb nine.)~";

constexpr std::string_view kAnimaltwoDragon =
    R"~(A Rooster loves a partner it can be proud of, and the Dragon gives it fresh reasons every day. The Dragon's confidence, generosity and bold ideas impress the Rooster, and the Dragon, in turn, values the Rooster's honesty, courage and tireless attention to detail. In practice the Rooster becomes the engine room behind the Dragon's grand designs, and the Dragon becomes the public face of their shared ambitions. Both enjoy looking their best, and as a couple they are hard to miss. Trouble, when it comes, is about pride. The Rooster's running critique can bruise the Dragon's ego, and the Dragon's habit of brushing aside advice can leave the Rooster feeling unheard. Once the Rooster learns to deliver its notes in private, and the Dragon to take them seriously, friends and relatives soon start turning to this couple for advice of their own.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Rooster and the Dragon enjoy an excellent nine.)~";

constexpr std::string_view kDragonDog =
    R"~(The Dragon and the Dog sit directly across the zodiac wheel from each other, and each tends to see the other's best qualities as flaws. The Dragon is grand, proud and sure that bold plans will work out; the Dog is realistic, principled and quick to spot the crack in any scheme. To the Dragon, the Dog's questions sound like pessimism, even disloyalty. To the Dog, the Dragon's confidence looks like arrogance, and its love of applause looks hollow. Neither backs down easily, and their quarrels tend to turn on principle, which makes them hard to settle. There are real strengths on both sides: each is honest, each is fiercely loyal once committed, and the Dog's caution could save the Dragon from its worst gambles. This pairing holds only if the Dragon learns to hear the Dog's doubts as care rather than criticism, and the Dog learns to trust a plan before every risk has been ruled out.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Dragon and the Dog manage only a two.)~";

constexpr std::string_view kDogDragon =
    R"~(A Dog that pairs with a Dragon tends to spend its days waiting for the Dragon's next grand plan to go wrong. The Dog lives by principle and caution, watching for unfairness and weighing every risk. The Dragon lives by confidence and spectacle, and it expects a partner to cheer rather than to question. The Dog's doubts strike the Dragon as gloomy and disloyal, and the Dragon's self-assurance strikes the Dog as vanity. Opposite each other on the wheel, they can each feel misunderstood at the most basic level, and both are too proud to give ground quickly. Still, the Dog's honesty and the Dragon's generosity are real, and both animals are loyal to the bone once they commit. The Dog could give the Dragon a much-needed sense of proportion, and the Dragon could give the Dog some of its optimism. That exchange happens only if both keep working at it, and the work is never quite finished.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dog and Dragon come in at a challenging two.)~";

constexpr std::string_view kDragonPig =
    R"~(Mars rules both the Dragon and the Pig, and between them its warmth shows far more than its fury. The Dragon is generous, confident and hungry for great things; the Pig is generous too, but in a softer key, with a big heart, a forgiving temper and a real talent for enjoying life. The Pig admires the Dragon openly, which the Dragon adores, and the Dragon protects the Pig from those who would exploit its trusting nature. Both love good food, good company and a lively home. The strain comes when the Dragon takes over every decision and the Pig, too easygoing to object, quietly stews, or when the Pig's love of comfort looks like idleness to a driven Dragon. The Dragon should ask for the Pig's view before acting, and the Pig should give it. Done that way, the Dragon feels admired, the Pig feels cherished, and the table is always set for friends.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Dragon and the Pig reach a pleasing eight.)~";

constexpr std::string_view kPigDragon =
    R"~(Openly and without a trace of envy, the Pig admires the Dragon, and the Dragon loves nothing better than being admired that way. Few partners protect a Pig as readily as a Dragon does, either, so each gets what it most wants almost at once. They share a fondness for generous living: full plates, open doors, lively friends and a bit of extravagance now and then. The Pig's tolerance smooths over the Dragon's flashes of temper, and the Dragon's energy gets the Pig off the sofa and into adventures it would never have planned alone. The balance can tip. A Dragon that makes every decision can leave the Pig feeling like a guest in its own life, and a Pig that drifts too comfortably can frustrate the Dragon. A standing habit of deciding the big things together keeps the warmth even, and the fun in this house tends to last.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Pig and Dragon reach a cheerful eight.)~";

constexpr std::string_view kSnakeSnake =
    R"~(Two Snakes recognize each other across a crowded room, and they rarely need to explain themselves afterward. Each is composed, perceptive and private, with refined taste and a shrewd way with money, so their life together tends to be elegant, well planned and quietly prosperous. Each values the other's discretion and depth, and conversation between them is rich precisely because neither wastes words. Their weakness is doubled reserve. Two partners who both keep their feelings hidden can drift into silent suspicion, and a Snake's jealousy, once stirred, is slow to settle; when both are jealous, a misunderstanding can simmer for weeks. Grudges, too, tend to be stored rather than spoken. The remedy is deliberate openness: saying the small worry aloud before it grows, and assuming good faith. With that, two Snakes keep their private world both secure and warm.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, two Snakes score a satisfying eight.)~";

constexpr std::string_view kSnakeHorse =
    R"~(When a Snake meets a Horse, each is fascinated by how differently the other lives, and that fascination is the first thing to fade. The Snake weighs every move and every dollar, and it keeps its own counsel. The Horse acts on impulse, talks to everyone and is happiest when the plan is still being made up along the way. Before long the Snake finds the Horse restless and careless, and the Horse finds the Snake secretive and possessive. The Snake wants closeness and some sign of loyalty, while the Horse wants room and reads each request for reassurance as a rope. The Horse's blunt words can also wound a Snake that remembers slights for years. There are things to admire on both sides, since the Snake's wisdom can steady the Horse and the Horse's warmth can lift the Snake out of its guarded moods. Those gifts help only if each agrees to respect the other's pace, and keeps agreeing long after the novelty is gone.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Snake and Horse come in at a modest four.)~";

constexpr std::string_view kHorseSnake =
    R"~(A Horse's life runs at a gallop, and a Snake's at a measured, watchful glide. At first each finds the other intriguing: the Horse is drawn to the Snake's calm, mystery and elegance, and the Snake enjoys the Horse's warmth and high spirits. The difficulty appears as soon as daily life begins. The Horse wants to come and go freely, talk openly and decide on impulse, while the Snake prefers slow, considered choices, a small circle and a partner whose movements it can count on. The Horse feels watched, the Snake feels neglected, and both grow defensive. The Horse's quick, careless words can leave a mark that the Snake carries long after the Horse has forgotten them. Each could learn from the other, since the Snake has patience to teach and the Horse has lightness to share. Without serious and sustained effort, however, the gap between them tends to widen rather than close.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Horse and the Snake rate a cautious four.)~";

constexpr std::string_view kSnakeGoat =
    R"~(Between a Snake and a Goat, evenings tend to be lovely. Both love beauty and comfort: a well-arranged room, good music, a long dinner with the right people. The Snake, shrewd with money and plans, gives the Goat the stability it craves, and the Goat brings tenderness and imagination into the Snake's more guarded world. Each admires a kind of grace in the other: the Goat's gentle artistry, the Snake's composure. The gaps are emotional. The Goat wants frequent reassurance, spoken aloud, while the Snake shows love through loyalty and quiet deeds and may seem distant just when the Goat needs warmth. The Snake's possessive streak can also unsettle a Goat that likes to drift among friends. Neither difference is fatal. A Snake that puts its feelings into words now and then, and a Goat that learns to read the Snake's quiet care for what it is, can share a serene and cultured life.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Snake and Goat hold a steady seven.)~";

constexpr std::string_view kGoatSnake =
    R"~(Elegance and peace are what the Goat and the Snake build on. The Goat offers kindness, creativity and a warm, expressive heart, and the Snake answers with composure, insight and a practical mind that keeps their affairs in good order. The Goat relaxes knowing the bills will be paid and the plans thought through, and the Snake enjoys the softness and beauty the Goat adds to every day. Both avoid noisy conflict. Trouble, when it comes, is about how love is shown. The Goat needs to hear it, often, and the Snake tends to prove it quietly and assume that is enough. Left unspoken, the Goat's worry and the Snake's jealousy can both grow. The Goat can help by saying plainly what it needs rather than hinting. Spoken tenderness costs the Snake little and means the world to the Goat, and it is the one gift this pairing cannot do without.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Goat and the Snake land on a comfortable seven.)~";

constexpr std::string_view kSnakeMonkey =
    R"~(Cleverness is the one thing the Snake and the Monkey never doubt in each other. Trust is another matter. By nature the Snake is suspicious, and it keeps its plans close. The Monkey, quick and playful, likes to bend the truth for the fun of it. Early on the sparring is delicious, and each enjoys a mind that can keep pace. Over time, though, the Snake begins to wonder what the Monkey is hiding, and the Monkey begins to feel that every move it makes is being watched and weighed. Both like to win, so disagreements turn into quiet contests of strategy rather than honest talks. Neither is cruel, and each can learn something real from the other, patience from the Snake and lightness from the Monkey. The match can work only if both agree to play straight with each other, even when a clever dodge would be easier.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Snake and Monkey settle at a guarded four.)~";

constexpr std::string_view kMonkeySnake =
    R"~(The Monkey loves a puzzle, and the Snake is one it may never solve. The attraction is mental first: the Monkey's wit meets the Snake's insight, and their conversations can run past midnight. The strain shows once the puzzle starts to feel permanent. The Monkey enjoys improvising, teasing and keeping a few cards in reserve, and the Snake, watchful and possessive, reads each of those habits as a possible deception. The Monkey in turn feels studied and constrained. Both are proud, both dislike losing, and each is clever enough to win an argument without resolving it. Still, the respect between them is genuine, and the Snake's patience could give the Monkey's ideas real staying power. Without plain dealing on both sides, however, the relationship slides into a polite contest of wills that leaves neither of them at ease.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Monkey and the Snake rate a wary four.)~";

constexpr std::string_view kSnakeAnimaltwo =
    R"~(Few things reassure a Snake more than a partner who does exactly what it promised, and the Rooster does so almost without fail. Members of the same trine, these two share a taste for order, quality and long-term planning. The Snake contributes strategy, intuition and calm under pressure, and the Rooster contributes diligence, courage and a sharp eye for detail. They tend to agree on money, on manners and on how a home should look, and together they can build something enviable, whether a family, a business or a carefully tended garden. What friction there is stays mild. The Rooster speaks frankly and can criticize too freely for a proud Snake, and the Snake's secrecy can irritate a Rooster that likes everything out in the open. A little tact from one and a little candor from the other go a long way. Over the years their respect for each other only deepens.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Snake and Rooster score a splendid nine.)~";

constexpr std::string_view kAnimaltwoSnake =
    R"~(Within a few conversations, the Rooster sees in the Snake a mind as orderly as its own. Both value quality, planning and a well-run home, and both would rather do a thing properly than do it fast. The Rooster brings energy, frankness and tireless attention to detail, while the Snake brings patience, intuition and a strategist's sense of timing. In business they make a formidable team, and in love they offer each other loyalty and the comfort of being understood. Money tends to be handled well, because neither is careless with it. The only real friction is in style: the Rooster's blunt feedback can wound the Snake's pride, and the Snake's silences can frustrate a Rooster that wants to know where it stands. Once the Rooster softens its delivery, the Snake tends to open up in return, and very little then stands in their way.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Rooster and the Snake shine at nine.)~";

constexpr std::string_view kSnakeDog =
    R"~(The Snake and the Dog get along better than most people expect. The Snake values loyalty above almost everything, and the Dog is loyalty in person. The Dog, for its part, values honesty and calm judgment, and the Snake's cool head steadies the Dog's anxious moods when the world seems to be going wrong. Each respects the other's principles, even where they differ. The differences are real, though. The Snake keeps its own counsel and sometimes its own secrets, which can make the straightforward Dog uneasy, and the Dog's strong moral opinions can strike the pragmatic Snake as rigid. Both can also hold on to a grievance for a long time. Regular, candid talk clears most of this. Once those talks become a habit, the Snake has the one partner whose word it never doubts, and the Dog has a confidant who never gossips.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Snake and Dog share a reassuring eight.)~";

constexpr std::string_view kDogSnake =
    R"~(Venus rules both the Dog and the Snake, and their affection has her steadiness rather than her flash. The Dog brings loyalty, honesty and a protective instinct, and the Snake brings composure, insight and the kind of quiet wisdom that settles the Dog's worries before they run away with it. The Dog trusts slowly, but the Snake, which also chooses its friends with care, understands that and does not rush. Over time they become a reserved, dependable pair who keep each other's confidences. Tension can come from the Snake's secrecy, since the Dog wants to know where it stands, and from the Dog's habit of judging, which the Snake finds heavy-handed. Both can nurse a grievance. Plain, regular conversation handles nearly all of it. Then the Dog has a partner whose judgment it can lean on, and the Snake has one whose honesty it never needs to test.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Dog and the Snake achieve a sturdy eight.)~";

constexpr std::string_view kSnakePig =
    R"~(There is a gulf between the Snake and the Pig, and it lies in how each of them trusts. Opposite each other on the zodiac wheel, they differ in that one respect so sharply that it shapes everything else. The Snake is subtle, calculating and slow to reveal itself; the Pig is open, trusting and happiest with simple pleasures shared freely. To the Snake, the Pig can seem naive, and its open hand with money and friends a little reckless. To the Pig, the Snake can seem cold, watchful, even manipulative, and its jealousy hard to understand. There is real good in each for the other: the Snake could guard the Pig from people who take advantage, and the Pig could teach the Snake to lower its guard. Neither will manage that without patience, and the Snake, in particular, has to stop testing a loyalty the Pig never meant to put in question.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Snake and the Pig reach a tentative four.)~";

constexpr std::string_view kPigSnake =
    R"~(When a Pig falls for a Snake, it is usually the mystery that does it, and mystery is hard to live with. Warm and trusting, the Pig is glad to share its table, its money and its feelings with anyone it loves. The Snake is private and careful, and it guards its thoughts as closely as its savings. The Pig soon feels kept at arm's length, and the Snake, for its part, finds the Pig's easy trust naive and its generosity unwise. The Snake's possessive moods can also puzzle a Pig that never thought to be jealous. These two sit across the wheel from each other, and the gap shows in daily habits as much as in feelings. The Pig's kindness and the Snake's shrewdness could complement each other well. To get there, the Pig needs to stop taking reserve for rejection and the Snake needs to let the Pig in, and both should go in with open eyes.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Pig and Snake earn a hesitant four.)~";

constexpr std::string_view kHorseHorse =
    R"~(Two Horses rarely spend a Saturday at home. Both love travel, new faces and a change of plan, and each is delighted to find a partner who packs as fast as it does. Their life together is cheerful, talkative and always in motion, with friends drifting in and out and stories piling up. Neither tries to cage the other, which suits two such independent spirits very well. Their troubles are practical and temperamental. Somebody has to pay the bills, fix the leak and remember the anniversary, and neither Horse volunteers. Their tempers are quick and their tongues sharp, so an argument can blaze up over nothing. Splitting the dull duties fairly, and agreeing to cool off before finishing a quarrel, takes care of most of this. After that, the open road belongs to both of them, and they enjoy it more together than either would alone.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, two Horses have a healthy score of eight.)~";

constexpr std::string_view kHorseGoat =
    R"~(The Horse brings the sunshine, and the Goat makes the nest. Old lore pairs these two as secret friends, and the fit is easy to feel. The Horse's energy and optimism lift the Goat out of its worries, and the Goat's tenderness, creativity and gift for a beautiful home give the restless Horse a place it actually wants to return to. They laugh together easily and forgive quickly. Their main differences come from pace. The Horse may dash off on plans of its own and forget that the Goat needs company and reassurance, and the Goat's moods or dependence can feel heavy to a Horse that prizes freedom. Neither fault runs deep. A Horse that checks in while it is away, and a Goat that builds a few interests of its own, keep the balance light. Given that, these two grow happier with each other as the years go by.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Horse and the Goat share a happy eight.)~";

constexpr std::string_view kGoatHorse =
    R"~(Many people are surprised at how easily a Goat and a Horse fit together. The Goat, gentle and imaginative, finds the Horse's good cheer and confidence a tonic against its own worries. The Horse, lively and independent, finds in the Goat a warm, artistic partner who makes home feel like somewhere worth coming back to. Traditional lore counts them as secret friends, and in daily life they seldom fight for long. What they must manage is the difference between the Goat's need for closeness and the Horse's need for room. If the Horse disappears too often, the Goat feels lonely and insecure; if the Goat clings, the Horse starts eyeing the door. Small rituals help: a weekly dinner, a phone call from the road, a hobby each keeps for itself. With those in place, the Goat gets the company it wants and the Horse gets the freedom it needs, and neither feels shortchanged.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Goat and Horse enjoy a lovely eight.)~";

constexpr std::string_view kHorseMonkey =
    R"~(A Horse that takes up with a Monkey seldom gets bored, and seldom feels entirely sure of its footing. Both are lively, sociable and quick-witted, so the early months are full of jokes, outings and late nights. The trouble lies in how each plays the game. The Horse says what it thinks, sometimes too bluntly. The Monkey prefers to charm, maneuver and keep a surprise or two in reserve, and the Horse can feel tricked when it learns what was left unsaid. Both are restless, too, and neither naturally stays put through the dull middle stretch of any commitment. When plans change without warning on both sides, nobody is holding the reins. The spark between them is genuine, and they make good traveling companions. For a longer road, the Monkey has to play straight, and the Horse has to stay put when staying is the harder choice.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Horse and the Monkey settle on five.)~";

constexpr std::string_view kMonkeyHorse =
    R"~(For a while, the Monkey's delight in the Horse's speed and humor is enough. These two rarely run out of things to do: a party, a trip, a half-mad project started on a Sunday afternoon. The Monkey likes a partner who can keep up, and the Horse likes a partner who never drags its feet. Over time, though, small cracks appear. The Monkey loves clever maneuvers and little secrets, and the Horse, which values plain speaking, can feel manipulated when it discovers them. The Horse's bluntness and impatience, in turn, can sting the proud Monkey. Neither is a natural homebody, so the practical side of life gets left for later, and later keeps moving. This is a match that can work, but it takes more care than the easy first months suggest: a shared goal, a budget both respect and a promise to say things straight.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Monkey and Horse come out at a fair five.)~";

constexpr std::string_view kHorseAnimaltwo =
    R"~(The Horse and the Rooster are both great talkers, which is the charm and the hazard of this match. Mercury rules them both, and neither has much patience for hinting. The Horse enjoys the Rooster's confidence, courage and sharp style, and the Rooster admires the Horse's warmth and popularity. Together they make a lively, sociable couple with plenty to say at any dinner table. Where they diverge is in method. The Rooster plans, lists and polishes, and the Horse improvises and moves on before the polishing is done. The Rooster's critiques can make the Horse feel fenced in, and the Horse's habit of changing plans midstream can make the Rooster feel disrespected. Arguments are frank on both sides, sometimes too frank. Kindness in the way they speak makes all the difference here, and when they manage it, the two keep a fairly steady rhythm with plenty of spark.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Horse and Rooster earn a reasonable six.)~";

constexpr std::string_view kAnimaltwoHorse =
    R"~(To a Rooster, a Horse is exciting company and a scheduling nightmare. The Rooster likes a plan, a checklist and the satisfaction of seeing every item done properly, while the Horse likes to wake up and decide. Still, there is much to enjoy. Candid, energetic and at ease in company, they share a love of lively gatherings and good conversation. The Rooster admires the Horse's charm and nerve, and the Horse appreciates the Rooster's courage and competence. Irritation builds when the Rooster's perfectionism turns into running commentary, or when the Horse forgets a commitment the Rooster took seriously, and each can be blunt in reply. The Rooster does well to accept that not everything needs to be perfect, and the Horse to treat its promises as binding. With that, there is genuine respect here and more than a little fun.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Rooster and the Horse make a fair-to-good six.)~";

constexpr std::string_view kHorseDog =
    R"~(Honesty comes easily between the Horse and the Dog, and most of what is good in this match grows from it. Frank, fair and generous, neither has any taste for games. Members of the same trine, they understand each other quickly. The Horse brings cheer, energy and a love of the open road, and the Dog brings loyalty, good sense and a steady home to come back to. The Dog's trust lets the Horse roam without guilt, and the Horse's optimism draws the Dog out of its worries. If anything strains them, it is the Horse's restlessness, which can stir the Dog's fear of being left behind, or the Dog's anxious questions, which can feel like a fence to the Horse. A little reassurance handles both. These two often end up as each other's best friend as well as each other's partner, and they tend to stay that way.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Horse and the Dog gallop to a wonderful nine.)~";

constexpr std::string_view kDogHorse =
    R"~(The Dog relaxes with a Horse in a way it rarely relaxes with anyone, because the Horse hides nothing. Frank, cheerful and generous, the Horse says what it means, and the Dog, which distrusts pretense above all, finds that restful. The Dog offers steadiness, fairness and a fierce loyalty that the Horse never has to test. They share a trine and a good deal of common sense about what matters: honesty, friendship and a life with some room to move. The Dog's worrying and the Horse's wanderlust are the only real points of friction. When the Horse travels light and often, the Dog may fear it will not come back, and when the Dog frets, the Horse may feel tethered. Trust settles both, and these two have plenty of it. Friends often say this couple seems to have been together forever, even in their first year.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dog and Horse enjoy a heartening nine.)~";

constexpr std::string_view kHorsePig =
    R"~(It is the Horse that takes the Pig out into the world, and the Pig that gives the Horse a reason to come home. Cheerful, generous and frank, they enjoy each other's company without much fuss. The Horse brings energy, humor and a crowd of friends, and the Pig brings warmth, patience and a table where everyone feels welcome. The differences lie in tempo. The Horse is always halfway out the door, and the Pig, which loves comfort and routine, may feel left behind more often than it admits. The Horse's blunt remarks can sting the tender Pig, and the Pig's slower pace can try the Horse's patience. None of this runs deep, but it does need attention. A Horse that keeps some evenings for quiet comforts at home will usually find the Pig glad to wave it off on the trips it takes alone.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Horse and the Pig earn a moderate six.)~";

constexpr std::string_view kPigHorse =
    R"~(When a Pig settles down with a Horse, life gets noticeably busier. The Horse's energy and sociable nature pull the Pig into outings, trips and new friendships it might never have sought on its own, and the Pig mostly enjoys the ride. In return, the Pig offers a warm home, a forgiving temper and a generous welcome that the Horse comes to value more than it expected. Both are honest and easy to talk to. The rough patches come from pace and from words. The Pig likes to linger over pleasures that the Horse wants to rush, and the Horse's frankness can land hard on a Pig that takes things to heart. The Pig may also feel second to the Horse's many interests. If the Horse makes time for shared comforts and the Pig makes peace with the Horse's need to roam, they can expect a friendly, fairly harmonious life together.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Pig and Horse arrive at a friendly six.)~";

constexpr std::string_view kGoatGoat =
    R"~(Two Goats can turn the plainest apartment into a small work of art. Both are kind, creative and deeply attuned to feeling, so they understand each other's sensitivities without a word of explanation. Their home tends to be full of music, plants, color and soft comforts, and their days are marked by small tendernesses: a note left on a pillow, a favorite meal cooked after a hard week. Each feels accepted exactly as it is. Practical life is another matter. Neither enjoys budgets, deadlines or hard decisions, and when pressure builds, both can turn anxious or moody at the same moment, with no one left to steady the boat. Taking turns with the dull chores, and asking a trusted friend for practical advice when it is needed, keeps their life on an even keel and leaves them free to enjoy the beauty they make so well together. On the compatibility scale of one to ten, two Goats enjoy a heartfelt nine.)~";

constexpr std::string_view kGoatMonkey =
    R"~(The Moon rules the Goat and the Sun rules the Monkey, and the two do not always keep the same hours. The Goat is gentle, imaginative and easily hurt; the Monkey is clever, restless and fond of mischief. At their best they bring out each other's playful side. The Monkey's jokes can chase away the Goat's gloom, and the Goat's artistry fascinates a Monkey that is always hunting for something new. The strain is emotional. The Goat needs steady reassurance, and the Monkey, which values its independence and loves a game, does not always supply it. A tease meant lightly can leave the Goat wounded for days, and the Goat's need for closeness can feel like a weight to the Monkey. Neither likes routine, so bills and chores slide. Affection can last here, but the balance stays delicate, and it rests on the Monkey offering steadiness as freely as it offers jokes.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Goat and the Monkey hold at five.)~";

constexpr std::string_view kMonkeyGoat =
    R"~(The Monkey can always make the Goat laugh; the harder task is making it feel safe. These two share a creative streak and a love of play, and the Monkey enjoys entertaining a partner who appreciates its stories and inventions so warmly. The Goat, in turn, brings tenderness, taste and an artistic eye that the Monkey finds fresh. As time goes on, their needs pull apart. The Monkey wants excitement and a long leash, while the Goat wants closeness and a partner it can count on. The Monkey's pranks sometimes land harder than intended, and the Goat's worries can dampen the Monkey's high spirits. Neither enjoys the dull business of running a household, either. With patience, regular reassurance and a shared system for money and chores, the two can keep a pleasant, if uneven, life together in which laughter and tenderness both have a place.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Monkey and Goat meet at the midpoint of five.)~";

constexpr std::string_view kGoatAnimaltwo =
    R"~(A Goat drawn to a Rooster is usually drawn to its certainty, and it is often that same certainty that later wounds it. The Rooster always seems to know what to do next, and for a gentle, dreamy Goat that can feel like shelter. The Rooster, for its part, enjoys the warmth and artistry the Goat brings into its well-ordered world. The friction starts with words. The Rooster speaks plainly and criticizes freely, usually meaning to help, and the Goat takes every sharp remark to heart. The Goat's indecision and shifting moods, meanwhile, exasperate a Rooster that likes clear answers and fixed plans. Each begins to feel misunderstood. The pairing has something to offer both, structure for the Goat and softness for the Rooster, but only if the Rooster praises as often as it corrects and the Goat learns to say what it wants rather than hoping it will be guessed.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Goat and the Rooster score an average five.)~";

constexpr std::string_view kAnimaltwoGoat =
    R"~(The Rooster likes to fix things, and at first glance the Goat seems to need a little fixing. That mistake colors much of this pairing. The Rooster is organized, industrious and direct, and it shows care through schedules, repairs and useful advice. The Goat is imaginative, kind and ruled by feeling, and it shows care through tenderness and small, beautiful gestures. The Rooster's practicality does help the Goat feel secure, and the Goat's warmth can soften the Rooster's brisk manner. But the Rooster may dismiss the Goat as vague, and the Goat may hear the Rooster's honesty as coldness. Both have work to do. The Rooster needs to offer more appreciation and less correction, and the Goat needs to state its needs instead of retreating into hurt silence. If they manage that, each supplies something the other genuinely lacks, though the balance never runs itself.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rooster and Goat rate a middle-of-the-road five.)~";

constexpr std::string_view kGoatDog =
    R"~(A Goat in need of comfort often turns to a Dog and finds a fellow worrier instead. Both are kind, both want a secure home and a faithful partner, and both tend to expect the worst when life turns uncertain. Instead of calming each other, they can feed each other's fears, until a small money worry becomes a cloud over the whole house. Their styles also grate. The Goat is emotional, artistic and a little impractical; the Dog is principled, dutiful and plain-spoken, and it can judge the Goat's moods and spending harshly. The Goat, feeling criticized, withdraws or complains, which the Dog takes as a lack of reliability. There is goodwill here, and their shared gentleness is a real asset. For the match to hold, the Dog must offer reassurance without a lecture attached, and the Goat must show, through steady habits, that it can be counted on.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Goat and the Dog reach a tough four.)~";

constexpr std::string_view kDogGoat =
    R"~(When a Dog sets up house with a Goat, there is no shortage of good intentions, and no shortage of worry either. Serious about its principles, the Dog wants a partner who keeps commitments and faces facts. The Goat, sensitive and artistic, is drawn to comfort and inclined to avoid anything that feels harsh. The Dog may grow impatient with the Goat's moods and loose grip on practical matters, and the Goat may feel lectured by the Dog's bluntness. Worse, both tend toward anxiety, and together they can spiral over money, the future or each other. Part of the remedy is deliberate: regular time spent simply enjoying life, and a rule that worries get spoken, then set aside. Even then, peace between them will take steady work, most of it on the Dog's habit of noticing faults and the Goat's habit of hiding from them.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dog and Goat score a challenging four.)~";

constexpr std::string_view kGoatPig =
    R"~(A Goat that finds a Pig has usually found the softest landing in the zodiac. Fellow members of one trine, they share a devotion to home, kindness and the simple pleasures of life. The Goat brings creativity, sensitivity and a gentle charm, and the Pig brings good humor, tolerance and a heart big enough for the Goat's moods and a crowd of friends besides. Each instinctively knows what the other needs, and quarrels, when they happen at all, usually end with a hug and a shared meal. Their evenings are full of food, music and easy talk. The only real caution is that both like comfort more than planning, and both would rather avoid a hard decision than make it. Setting aside a little time for budgets and future plans protects everything else. With that looked after, these two can count on a warm, unhurried life, and on growing fonder of it every year.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Goat and the Pig score a delightful nine.)~";

constexpr std::string_view kPigGoat =
    R"~(Generous by nature, the Pig spoils the Goat a little, and the Goat repays every kindness with tenderness of its own. This is one of the gentlest matches in the zodiac. The Pig is warm, sincere and easygoing, a steady source of encouragement, and the Goat is imaginative and attentive to feelings, filling their shared life with beauty. Both love peace, generosity and a cozy home, and each takes pleasure in small surprises for the other: a favorite dessert, a found treasure, a quiet afternoon kept free. Disagreements are rare and softly settled. The risk lies in comfort. Together they can overspend, overindulge and put off whatever feels unpleasant, from a bill to a doctor's appointment. A simple plan for the future, and a little shared discipline, guard against that. The rest comes naturally, and friends often envy the ease these two seem to have with each other.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Pig and Goat enjoy a blissful nine.)~";

constexpr std::string_view kMonkeyMonkey =
    R"~(Two Monkeys make a couple that is almost never bored. Quick, curious and funny, each understands the other's restless energy without asking it to sit still. They share a love of games, puzzles, gadgets and spur-of-the-moment trips, and as a team they are remarkably resourceful, turning a setback into an opportunity before anyone else has noticed the problem. Two things can go wrong. Both enjoy a trick, and a friendly competition to outsmart each other can tip into rivalry or small deceptions. And neither much likes the dull, repetitive work that long commitments require: the paperwork, the savings plan, the weekly errands. Honesty at the center and chores split evenly give them the stable base they need. On that base, two Monkeys can build a life as inventive as they are, full of laughter that does not wear thin.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, two Monkeys swing to a bright nine.)~";

constexpr std::string_view kMonkeyAnimaltwo =
    R"~(When the Monkey's wit meets the Rooster's precision, the result is more often a contest than a conversation. The Monkey likes to change the plan halfway through, just to see what happens. The Rooster, methodical and exact, expects the plan to be followed. Before long the Rooster sees the Monkey's antics as irresponsible, and the Monkey finds the Rooster rigid and endlessly critical. Both are proud, both enjoy being right, and both like an audience, so small disagreements grow into public debates. There is respect underneath. The Monkey could teach the Rooster to laugh at a crooked picture, and the Rooster could help the Monkey finish what it starts. This pairing can work only with a conscious effort from both, including a willingness, rare in either animal, to say out loud when the other has a point.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Monkey and the Rooster reach an uneasy four.)~";

constexpr std::string_view kAnimaltwoMonkey =
    R"~(Disciplined and exact, the Rooster is impressed by the Monkey's talents and unsettled by its tricks. Here is a partner who can solve in an hour what took the Rooster a week, and who then forgets to mention that the deadline was moved. The Rooster, honest to the core, likes to know where it stands, while the Monkey, quick and fond of mischief, likes to keep its options open. The Rooster begins to feel that the Monkey cannot be relied on, and the Monkey feels hemmed in by the Rooster's rules and running commentary. Both have strong egos and enjoy the spotlight, which invites rivalry rather than teamwork. For this relationship to hold, the Rooster needs more flexibility and humor, and the Monkey needs to show consistency over months, not days. If both manage it, the Rooster's diligence and the Monkey's ingenuity could make a formidable team.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rooster and Monkey manage a shaky four.)~";

constexpr std::string_view kMonkeyDog =
    R"~(On paper the Monkey and the Dog look mismatched; in practice they work remarkably well. The Monkey is clever, adaptable and full of schemes, and the Dog is honest, loyal and wary of anything that smells of trickery. Yet each supplies what the other lacks. The Dog's sincerity gives the Monkey something solid to stand on, and the Monkey's humor and optimism pull the Dog out of its worries whenever it starts imagining the worst. The Monkey admires the Dog's integrity, and the Dog enjoys the Monkey's quick, practical mind. Now and then the Dog will frown at one of the Monkey's plans, and the Monkey will find the Dog too serious by half, but goodwill usually wins. Both are generous with friends and quick to help in a crisis, and their home tends to be the one the neighbors call first when something goes wrong.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Monkey and the Dog earn a sound eight.)~";

constexpr std::string_view kDogMonkey =
    R"~(Honest itself, the Dog keeps the Monkey honest, and the Monkey keeps the Dog laughing; most of what is good in this match follows from those two facts. The Dog finds the Monkey's cleverness delightful, and the Monkey, which has met plenty of flatterers, values a partner whose honesty it can rely on. Together they balance well: the Dog supplies stability and a moral compass, and the Monkey supplies fun and fresh solutions to old problems. Tension appears if the Dog suspects the Monkey of playing games, or if the Monkey decides the Dog is too cautious to try anything new. Both are willing to talk these things through, which is half the battle won. Over the years each tends to make the other's world a little larger and a little kinder.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dog and Monkey land a trusty eight.)~";

constexpr std::string_view kMonkeyPig =
    R"~(Rarely can a Monkey drop its guard, but with a Pig it can, and for a Monkey that is a real luxury. The Pig's good nature and easy tolerance mean there is no one to outwit and nothing to prove, and the Monkey finds itself simply enjoying the company. In return, the Monkey brings wit, energy and a steady supply of new plans to the Pig's comfortable life. Good food, good friends and a bit of fun please them both, so weekends take care of themselves. A couple of cautions apply. The Monkey must be careful never to take advantage of the Pig's trust, even as a joke, because a trusting Pig that finally feels fooled turns stubborn and slow to forgive. The Pig, meanwhile, should say so when it feels overlooked, instead of quietly putting up with it. Kept honest on both sides, this is a happy pairing, with the Monkey's sparkle and the Pig's warmth each making the other shine.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Monkey and the Pig score a cheerful seven.)~";

constexpr std::string_view kPigMonkey =
    R"~(When a Pig takes up with a Monkey, good humor usually carries the day. The Pig enjoys the Monkey's stories, schemes and quick jokes, and the Monkey is charmed by the Pig's generosity, openness and refusal to hold a grudge. Hosting friends, trying a new restaurant or setting off on a last-minute trip, they have a great deal of fun together. The caution is on the Pig's side of the ledger. Its trusting nature makes it an easy target for the Monkey's tricks, and even playful deception can hurt a Pig more than the Monkey realizes. The Monkey, for its part, may grow restless with the Pig's love of comfort and slower pace. The answer is a clear boundary or two, drawn by the Pig and respected by the Monkey. With that, the Pig feels safe enough to relax, and the Monkey feels free enough to stay.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Pig and Monkey reach a warm seven.)~";

constexpr std::string_view kDogDog =
    R"~(Two Dogs keep every promise they make to each other, and they make plenty of them. Loyal, honest and fair-minded, each understands the other's protective instincts without explanation. They stand together against any threat from outside, and their home is a safe, orderly place where words are kept and nobody plays games. Friends rely on them, and they rely on each other. Mood is their weak point. Two natural worriers can talk each other into gloom, especially when money is tight or the news is bad, and two principled partners can both refuse to budge once a matter becomes one of right and wrong. The atmosphere can grow heavy. What helps most is deliberate lightness: a standing night out, a habit of counting what went right before discussing what went wrong, and the grace to let one argument in three go unwon.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, two Dogs make a dependable seven.)~";

constexpr std::string_view kDogPig =
    R"~(October is a lucky month for both the Dog and the Pig, and in many other ways their fortunes run together. The Dog is loyal, responsible and honest; the Pig is generous, good-natured and accepting. Neither has any use for pretense, so trust arrives early. The Pig's easy optimism soothes the Dog's worries, and the Dog's protective streak makes the Pig feel safe in a world that sometimes takes advantage of kindness. Their differences show mostly around money and duty. The Dog can be too critical or too serious for the relaxed Pig, and the Pig can be too indulgent for the disciplined Dog, especially once the credit card comes out. Their shared decency usually smooths these moments over. A Dog and a Pig who have weathered a few of them often find that their trust in each other has grown sturdier for it.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Dog and the Pig come to a kindly seven.)~";

constexpr std::string_view kPigDog =
    R"~(Quick to forgive, the Pig is matched with a Dog that is slow to forget, and somehow the balance works in their favor. The Pig brings cheer, tolerance and a generous spirit that helps the Dog let go of its anxieties. The Dog offers loyalty and a firm sense of right and wrong that keeps the Pig from being exploited by people less honest than it is. Neither plays games, so each always knows where it stands. Friction comes when the Pig's love of pleasure collides with the Dog's sense of duty, usually over spending or an unfinished chore, or when the Dog's sharp tongue hurts the tender Pig. A little flexibility on both sides goes a long way. As long as the small frictions are aired rather than stored, these two tend to remain good company for each other year after year.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Pig and Dog settle on a good, honest seven.)~";

} // namespace

const std::array<KeyedText, 144> ChinesePairTexts{{
    {"Rat_Rat", kRatRat},
    {"Rat_Ox", kRatOx},
    {"Rat_Tiger", kRatTiger},
    {"Rat_AnimalOne", kRatAnimalone},
    {"Rat_Dragon", kRatDragon},
    {"Rat_Snake", kRatSnake},
    {"Rat_Horse", kRatHorse},
    {"Rat_Goat", kRatGoat},
    {"Rat_Monkey", kRatMonkey},
    {"Rat_AnimalTwo", kRatAnimaltwo},
    {"Rat_Dog", kRatDog},
    {"Rat_Pig", kRatPig},
    {"Ox_Rat", kOxRat},
    {"Ox_Ox", kOxOx},
    {"Ox_Tiger", kOxTiger},
    {"Ox_AnimalOne", kOxAnimalone},
    {"Ox_Dragon", kOxDragon},
    {"Ox_Snake", kOxSnake},
    {"Ox_Horse", kOxHorse},
    {"Ox_Goat", kOxGoat},
    {"Ox_Monkey", kOxMonkey},
    {"Ox_AnimalTwo", kOxAnimaltwo},
    {"Ox_Dog", kOxDog},
    {"Ox_Pig", kOxPig},
    {"Tiger_Rat", kTigerRat},
    {"Tiger_Ox", kTigerOx},
    {"Tiger_Tiger", kTigerTiger},
    {"Tiger_AnimalOne", kTigerAnimalone},
    {"Tiger_Dragon", kTigerDragon},
    {"Tiger_Snake", kTigerSnake},
    {"Tiger_Horse", kTigerHorse},
    {"Tiger_Goat", kTigerGoat},
    {"Tiger_Monkey", kTigerMonkey},
    {"Tiger_AnimalTwo", kTigerAnimaltwo},
    {"Tiger_Dog", kTigerDog},
    {"Tiger_Pig", kTigerPig},
    {"AnimalOne_Rat", kAnimaloneRat},
    {"AnimalOne_Ox", kAnimaloneOx},
    {"AnimalOne_Tiger", kAnimaloneTiger},
    {"AnimalOne_AnimalOne", kAnimaloneAnimalone},
    {"AnimalOne_Dragon", kAnimaloneDragon},
    {"AnimalOne_Snake", kAnimaloneSnake},
    {"AnimalOne_Horse", kAnimaloneHorse},
    {"AnimalOne_Goat", kAnimaloneGoat},
    {"AnimalOne_Monkey", kAnimaloneMonkey},
    {"AnimalOne_AnimalTwo", kAnimaloneAnimaltwo},
    {"AnimalOne_Dog", kAnimaloneDog},
    {"AnimalOne_Pig", kAnimalonePig},
    {"Dragon_Rat", kDragonRat},
    {"Dragon_Ox", kDragonOx},
    {"Dragon_Tiger", kDragonTiger},
    {"Dragon_AnimalOne", kDragonAnimalone},
    {"Dragon_Dragon", kDragonDragon},
    {"Dragon_Snake", kDragonSnake},
    {"Dragon_Horse", kDragonHorse},
    {"Dragon_Goat", kDragonGoat},
    {"Dragon_Monkey", kDragonMonkey},
    {"Dragon_AnimalTwo", kDragonAnimaltwo},
    {"Dragon_Dog", kDragonDog},
    {"Dragon_Pig", kDragonPig},
    {"Snake_Rat", kSnakeRat},
    {"Snake_Ox", kSnakeOx},
    {"Snake_Tiger", kSnakeTiger},
    {"Snake_AnimalOne", kSnakeAnimalone},
    {"Snake_Dragon", kSnakeDragon},
    {"Snake_Snake", kSnakeSnake},
    {"Snake_Horse", kSnakeHorse},
    {"Snake_Goat", kSnakeGoat},
    {"Snake_Monkey", kSnakeMonkey},
    {"Snake_AnimalTwo", kSnakeAnimaltwo},
    {"Snake_Dog", kSnakeDog},
    {"Snake_Pig", kSnakePig},
    {"Horse_Rat", kHorseRat},
    {"Horse_Ox", kHorseOx},
    {"Horse_Tiger", kHorseTiger},
    {"Horse_AnimalOne", kHorseAnimalone},
    {"Horse_Dragon", kHorseDragon},
    {"Horse_Snake", kHorseSnake},
    {"Horse_Horse", kHorseHorse},
    {"Horse_Goat", kHorseGoat},
    {"Horse_Monkey", kHorseMonkey},
    {"Horse_AnimalTwo", kHorseAnimaltwo},
    {"Horse_Dog", kHorseDog},
    {"Horse_Pig", kHorsePig},
    {"Goat_Rat", kGoatRat},
    {"Goat_Ox", kGoatOx},
    {"Goat_Tiger", kGoatTiger},
    {"Goat_AnimalOne", kGoatAnimalone},
    {"Goat_Dragon", kGoatDragon},
    {"Goat_Snake", kGoatSnake},
    {"Goat_Horse", kGoatHorse},
    {"Goat_Goat", kGoatGoat},
    {"Goat_Monkey", kGoatMonkey},
    {"Goat_AnimalTwo", kGoatAnimaltwo},
    {"Goat_Dog", kGoatDog},
    {"Goat_Pig", kGoatPig},
    {"Monkey_Rat", kMonkeyRat},
    {"Monkey_Ox", kMonkeyOx},
    {"Monkey_Tiger", kMonkeyTiger},
    {"Monkey_AnimalOne", kMonkeyAnimalone},
    {"Monkey_Dragon", kMonkeyDragon},
    {"Monkey_Snake", kMonkeySnake},
    {"Monkey_Horse", kMonkeyHorse},
    {"Monkey_Goat", kMonkeyGoat},
    {"Monkey_Monkey", kMonkeyMonkey},
    {"Monkey_AnimalTwo", kMonkeyAnimaltwo},
    {"Monkey_Dog", kMonkeyDog},
    {"Monkey_Pig", kMonkeyPig},
    {"AnimalTwo_Rat", kAnimaltwoRat},
    {"AnimalTwo_Ox", kAnimaltwoOx},
    {"AnimalTwo_Tiger", kAnimaltwoTiger},
    {"AnimalTwo_AnimalOne", kAnimaltwoAnimalone},
    {"AnimalTwo_Dragon", kAnimaltwoDragon},
    {"AnimalTwo_Snake", kAnimaltwoSnake},
    {"AnimalTwo_Horse", kAnimaltwoHorse},
    {"AnimalTwo_Goat", kAnimaltwoGoat},
    {"AnimalTwo_Monkey", kAnimaltwoMonkey},
    {"AnimalTwo_AnimalTwo", kAnimaltwoAnimaltwo},
    {"AnimalTwo_Dog", kAnimaltwoDog},
    {"AnimalTwo_Pig", kAnimaltwoPig},
    {"Dog_Rat", kDogRat},
    {"Dog_Ox", kDogOx},
    {"Dog_Tiger", kDogTiger},
    {"Dog_AnimalOne", kDogAnimalone},
    {"Dog_Dragon", kDogDragon},
    {"Dog_Snake", kDogSnake},
    {"Dog_Horse", kDogHorse},
    {"Dog_Goat", kDogGoat},
    {"Dog_Monkey", kDogMonkey},
    {"Dog_AnimalTwo", kDogAnimaltwo},
    {"Dog_Dog", kDogDog},
    {"Dog_Pig", kDogPig},
    {"Pig_Rat", kPigRat},
    {"Pig_Ox", kPigOx},
    {"Pig_Tiger", kPigTiger},
    {"Pig_AnimalOne", kPigAnimalone},
    {"Pig_Dragon", kPigDragon},
    {"Pig_Snake", kPigSnake},
    {"Pig_Horse", kPigHorse},
    {"Pig_Goat", kPigGoat},
    {"Pig_Monkey", kPigMonkey},
    {"Pig_AnimalTwo", kPigAnimaltwo},
    {"Pig_Dog", kPigDog},
    {"Pig_Pig", kPigPig},
}};

} // namespace content
