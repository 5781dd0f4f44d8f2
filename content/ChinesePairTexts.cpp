#include "content/ChinesePairTexts.h"
// Written for this program; every text is its own.
namespace content {
namespace {

constexpr std::string_view kRatRat =
    R"~(Two Rats sharing a home see through each other's little tricks within a week and like each other all the better for it. Neither has to explain why a bargain matters or why a spare coin belongs in the savings jar; they simply agree, and the jar fills. Their evenings are full of talk, plans and friends dropping by, because both collect people as eagerly as they collect useful facts. In love they are attentive and sentimental, remembering anniversaries and small preferences that other couples forget. The weak point is nerves. Two watchful minds can wind each other up until an ordinary delay looks like a disaster, and a shared taste for gossip can slide into suspicion of everyone outside the door. Once one of them learns to say "that is enough worrying for tonight," the other is usually relieved to hear it, and their home becomes the safe burrow both of them always wanted.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, two Rats share a splendid score of nine.)~";

constexpr std::string_view kRatOx =
    R"~(A Rat brings an Ox a sackful of ideas and then watches, not always patiently, as each one is turned over slowly before anything happens. That slowness is what the Rat needs, even when it does not feel like it, because the Ox finishes what the Rat starts, so plans that would have scattered in a dozen directions end up harvested and stored. Both are careful with money, so the household accounts are rarely a battlefield. The strain lies in tempo and tone. A Rat that is kept waiting starts to nag, and an Ox that is hurried turns to stone. Feelings go mostly unspoken, which means affection travels through practical favors, a repaired hinge here, a well-timed tip there. The pairing settles best when the Rat takes the scouting and the bargaining, the Ox takes the building and the keeping, and each stops auditing the other's half of the work.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rat and Ox earn a fair six.)~";

constexpr std::string_view kOxRat =
    R"~(For the Ox, life with a Rat is a little like farming beside a busy market road, noisy and distracting and, on the whole, good for business. The Ox works at one pace and likes it, while the Rat darts off after every rumor of an opening and comes home with news, contacts and a plan for Thursday. The Ox gives the Rat what it secretly craves, a solid base and the certainty that someone will still be standing there tomorrow. In return the Rat keeps the Ox from plowing the same furrow long after the soil is tired. Friction comes from speed. Pushed, the Ox digs in and calls the Rat flighty; kept waiting, the Rat privately files the Ox under stubborn and dull. Sweet talk is not in either one's nature. What carries them through is a shared respect for security, a full pantry and money put by, and on that ground they seldom quarrel for long.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Ox and Rat reach a middling six.)~";

constexpr std::string_view kRatTiger =
    R"~(The Rat counts the cost before it moves, and the Tiger moves before it counts anything, so this pair is at odds from the first shared decision. Early on the contrast is exciting. The Rat admires the Tiger's nerve, and the Tiger enjoys a partner with a quick tongue and a head for detail. Later the same traits grate. The Rat frets over the Tiger's risky ventures and open wallet, and the Tiger, feeling watched and budgeted, pushes harder just to prove it can. Both like to hold the reins, so a disagreement about one purchase can turn into a contest over who runs the household. Yet the Rat's caution can save the Tiger from its worst gambles, and the Tiger's courage can get the Rat to try what it would otherwise only plan. The match holds only if each keeps a territory the other leaves alone, and the Rat learns to voice a worry once rather than daily.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rat and Tiger manage a modest four.)~";

constexpr std::string_view kTigerRat =
    R"~(When a Tiger falls for a Rat, the first quarrel tends to arrive about as fast as the attraction did. The Tiger lives on instinct and conviction and expects a partner to jump when it jumps. The Rat would rather look, count and keep something back, and to a Tiger that caution can seem petty or even sly. From the Rat's side, every impulsive leap threatens the roof over their heads. Neither takes orders well, which turns small differences into tests of will. The Tiger does get something real from the Rat, though, in sharp advice, a partner who spots the trap in a bargain and a home that is never short at the end of the month. The Rat, in return, borrows some of the Tiger's nerve. They can share a life if the Tiger talks over its big leaps before taking them and the Rat stops treating every risk as a betrayal.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Tiger and Rat rate a cautious four.)~";

constexpr std::string_view kRatAnimalone =
    R"~(The Rat and the Rabbit start with plenty in common: a liking for comfort, a sociable streak and a horror of waste. The Rat is the one who finds the good apartment, the better price and the friend of a friend who can fix the roof. The Rabbit makes the place lovely once they are in it, and its tact smooths over the moments when the Rat's remarks come out sharper than intended. Guests enjoy them as hosts. What wears on the pair is pace. A Rat always has three schemes in motion, and a Rabbit that wants a quiet evening finds the constant hustle tiring, while the Rat may read the Rabbit's caution as dithering. The Rabbit also bruises easily and tends to hide a hurt instead of naming it. A Rat that slows down now and then and softens its tongue will find the Rabbit warm, loyal and the best of company for years.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rat and Rabbit land on a pleasant seven.)~";

constexpr std::string_view kAnimaloneRat =
    R"~(The Rabbit's idea of happiness is a cozy nest and good company, and a Rat shares both tastes, along with a drive the Rabbit rarely has. Where the Rabbit supplies grace and diplomacy, the Rat turns up opportunities that a more cautious animal would let pass, and the two of them entertain well and manage the household money sensibly. The Rabbit's difficulty is noise. The Rat's full calendar, sudden plans and restless talk can leave it rattled and longing for a closed door. The Rat, for its part, grows impatient when the Rabbit smiles through a problem instead of facing it. Both notice slights quickly, and both can sulk about them privately. The affection between them is real, and it lasts best when the Rabbit says plainly what bothers it, even at the cost of a little awkwardness, rather than waiting for the Rat to guess.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rabbit and Rat come in at a comfortable seven.)~";

constexpr std::string_view kRatDragon =
    R"~(Few partners suit the Rat as completely as the Dragon does. What the Rat has in sharp eyes and careful planning, the Dragon matches with vision, nerve and a presence that fills a room, and the two fit together like lock and key. The Rat admires the Dragon openly, and the Dragon, who loves an appreciative audience, repays that admiration with protection and generosity. It also takes the Rat's advice seriously, and that advice often keeps a brilliant plan from becoming an expensive one. Their romance is warm and lively, and their quarrels are short because each knows the other is on its side. Friends find them a formidable pair to invite anywhere. Whether the shared project is a business, a family or an ambitious move across the country, this couple tends to finish what it starts and to enjoy the climb.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rat and Dragon score a glowing ten.)~";

constexpr std::string_view kDragonRat =
    R"~(The Dragon dreams on a grand scale, and in the Rat it finds the rare partner who can turn those dreams into budgets, timetables and results. The Dragon contributes charisma and drive, and the Rat contributes shrewdness, an eye for the weak plank in any plan and the patience to mend it before anyone steps on it. Feeling admired and understood, the Dragon becomes its most generous self, and the Rat, with such a bold ally beside it, worries less and dares more. Conversation between them crackles. They seldom run short of projects, friends or reasons to celebrate, and disagreements blow over because both sense they are stronger together than apart. In love they are affectionate and loyal, and in business they trust each other with the keys. Each brings out the best in the other, and both of them know it.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dragon and Rat achieve a perfect ten.)~";

constexpr std::string_view kRatSnake =
    R"~(Two sharp minds meet when a Rat pairs with a Snake, and each recognizes the other's intelligence at once. The Rat collects information quickly and cheerfully, from neighbors, colleagues and chance remarks. The Snake takes what the Rat brings, thinks it over in silence and usually knows exactly what to do with it. That division of labor works well, and since both enjoy fine things and handle money with care, the home is comfortable and the savings grow. Trust is the delicate part. The Rat's wide social circle can wake the Snake's possessive streak, and the Snake's private moods can leave the Rat feeling shut out of a room it was never invited into. A Rat that keeps its partner informed, and a Snake that says what it is thinking before the silence sets hard, will find this a discreet and rather elegant match.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rat and Snake enjoy a respectable seven.)~";

constexpr std::string_view kSnakeRat =
    R"~(The Snake likes a partner it cannot easily outwit, and a Rat comes close. The Snake brings patience, intuition and a cool head under pressure, and it appreciates the Rat's speed, charm and nose for a good opportunity. They rarely bore each other, and they agree that money is for keeping rather than for showing off. Temperament is where they part company. The Snake wants privacy and a small, trusted circle. The Rat thrives on chatter and a crowded calendar, and every new name in it can stir the Snake's jealousy. The Rat, meanwhile, wishes the Snake would say more of what it feels instead of leaving it to be guessed. Once they settle on clear signs of loyalty, an honest account from the Rat of where it has been and a little more openness from the Snake, this thoughtful pair builds something quietly impressive.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Snake and Rat settle at a solid seven.)~";

constexpr std::string_view kRatHorse =
    R"~(Rat and Horse sit on opposite sides of the zodiac wheel, and most days they feel it. The Rat wants roots, savings and a carefully tended nest. The Horse wants open roads, spontaneous plans and the freedom to gallop off when the mood strikes. When the Horse disappears into its own pursuits, the Rat grows anxious and starts asking questions; the questions make the Horse feel fenced in, so it stays away longer, and the cycle repeats. Both are quick talkers with quick tempers, which makes their quarrels loud and fast. There is real goodwill to draw on. Both are sociable and hard-working, each enjoys the other's wit, and on a gloomy day the Horse's cheer can lift the Rat out of its worries. A life together asks for generous personal space, a firm agreement about money and a deliberate effort by each to stop correcting the other's nature.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rat and Horse struggle to a low three.)~";

constexpr std::string_view kHorseRat =
    R"~(Charm is usually what draws a Horse to a Rat, and charm does little to close the gap between two very different lives. The Horse runs on movement and impulse and hates accounting for its time, which is exactly what the Rat, with its savings plans and its need to know what tomorrow holds, keeps asking it to do. Before long the Horse finds the Rat's questions intrusive and its budgets stifling, while the Rat reads the Horse's restlessness as carelessness or, worse, indifference. Both speak their minds fast, so tempers flare. These are traditional opposites, and the relationship will often feel like work. Still, the Horse admires the Rat's cleverness and can lean on its good sense in a crisis, and the Rat enjoys the Horse's warmth in company. Staying together means room to roam, clear rules about money and the ability to laugh at the gap between them instead of fighting across it.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Horse and Rat score a testing three.)~";

constexpr std::string_view kRatGoat =
    R"~(Planning is how a Rat looks after people: a stocked cupboard, bills paid early, a sensible answer to every problem. To a Goat, that kind of care can feel oddly cool. The Goat is gentle and artistic and needs reassurance it can hear, and at first the Rat enjoys its softness as much as the Goat enjoys having someone practical at the wheel. The difficulties creep in slowly. The Goat's moods and taste for beautiful, costly things baffle a budget-minded Rat, and the Rat's blunt remarks land far harder on the Goat than intended. Hurt, the Goat withdraws into silence, which the Rat reads as sulking. Neither means harm, and each has something the other lacks, imagination on one side and good sense on the other. The match can work if the Rat learns to soften its tongue and say the warm things out loud, and the Goat learns to name its needs plainly instead of retreating.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rat and Goat muster a modest four.)~";

constexpr std::string_view kGoatRat =
    R"~(For a Goat, a Rat can look like shelter at first, resourceful and sensible and always ready with a plan. The Goat offers kindness, imagination and a gift for making any home lovely, and the Rat is glad of all three. Over the months, though, they discover how differently they are wired. The Goat spends on beauty and comfort and needs frequent reassurance, while the Rat counts every coin and seldom offers praise unprompted. The Goat begins to feel criticized and overlooked, and the Rat feels weighed down by moods it cannot fathom. None of this is malice, and the Rat's steadiness can genuinely calm the Goat's worries on a bad day. What the bond needs is affection spoken aloud and a calm, regular talk about money, held before a purchase turns into a grievance rather than after.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Goat and Rat rate an uneasy four.)~";

constexpr std::string_view kRatMonkey =
    R"~(Put a Rat and a Monkey in the same room and the plotting starts before the coats are off. These two quick minds egg each other on to ever more inventive feats, and boredom never gets a foot in the door. The Rat admires the Monkey's daring and humor, and the Monkey values the Rat's sharp instincts and practical know-how. In love they are playful and affectionate, and in business they make a pair of problem-solvers who can talk their way into, and out of, almost anything. The Rat's prudence keeps the Monkey's wilder schemes on the ground, and whenever the Rat's worries creep in, the Monkey's confidence chases them off. Small tricks played on each other are forgiven with a grin. This is a joyful, deeply compatible union, built on laughter, shared cleverness and an admiration that does not fade.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rat and Monkey hit a brilliant ten.)~";

constexpr std::string_view kMonkeyRat =
    R"~(A Monkey who finds a Rat has found its partner in crime. Both are witty, resourceful and endlessly curious, and their days together overflow with schemes, jokes and spur-of-the-moment outings. The Monkey supplies the flair and most of the inventions, and it counts on the Rat's keen judgment and thrift to sort the brilliant ideas from the merely amusing ones. They understand each other's restless minds without needing explanations, and neither takes offense at the other's small tricks. Romance between them is flirtatious and fun, friendship is loyal, and a joint venture is likely to prosper. What makes the bond so strong shows in bad times. When one of them stumbles, the other is already working on a way out, and more often than not they find it together.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Monkey and Rat reach a sparkling ten.)~";

constexpr std::string_view kRatAnimaltwo =
    R"~(Sharp eyes and sharper tongues meet when a Rat pairs with a Rooster, so this couple enjoys plenty of respect and plenty of sparring. Both work hard, keep tidy accounts and like being seen as capable. The difference is method. A Rat is flexible and alert to the quick opportunity, happy to take a shortcut if it gets there first. A Rooster is precise and proud and wants things done properly, in order and on time. The Rooster criticizes the Rat's shortcuts, and the Rat finds the Rooster's perfectionism and love of display tiresome and says so, usually with a joke the Rooster does not enjoy. Pointed at a shared goal, however, the mix works, with the Rat finding the openings and the Rooster making sure nothing is left undone. Affection grows wherever criticism stays gentle and praise is handed out as freely as advice.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rat and Rooster arrive at a reasonable six.)~";

constexpr std::string_view kAnimaltwoRat =
    R"~(The Rooster likes a plan followed to the letter, and the Rat has never met a plan it could not improve on the fly. That makes for a productive partnership and a prickly one. Industrious, organized and punctual, the Rooster discovers that the Rat works every bit as hard, only with far less respect for method: it bargains, improvises and slips through gaps the Rooster would never consider. Combined, the Rooster's thoroughness and the Rat's resourcefulness get a great deal done. The trouble is that both say exactly what they think, neither enjoys being corrected, and the Rooster's need for admiration does not sit well with the Rat's teasing. What holds them is ambition. Both want a secure, well-stocked life and the respect of the people around them, and working toward that together gives them more reasons to cooperate than to quarrel.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rooster and Rat score a fair six.)~";

constexpr std::string_view kRatDog =
    R"~(The Rat and the Dog make a warm, trustworthy pairing in which each calms the other's particular kind of worry. The Dog frets about what might go wrong, and the Rat's cleverness and practical solutions take much of that weight off. The Rat is forever on watch for the next threat, and the Dog's honesty and steady devotion give it a safety that lets it finally relax. Both put family and close friends first and will work hard for the people they love. Occasionally the Dog distrusts one of the Rat's sly maneuvers, and the Rat finds the Dog's moral certainty a little rigid, but these are small bumps that good humor covers. Built on respect, this relationship tends to grow sturdier with every year the two spend side by side.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rat and Dog score a healthy eight.)~";

constexpr std::string_view kDogRat =
    R"~(When a Dog chooses a Rat, it gains a companion who is sharp, sociable and full of good ideas. The Dog supplies loyalty, integrity and a reassuring sense of duty, and it soon learns to rely on the Rat's ingenuity and its gift for making resources stretch further than seems possible. From the Rat the anxious Dog learns to lighten up, and from the Dog the restless Rat learns what it feels like to be anchored and valued. They share a deep attachment to home and to the people in it. Now and then the principled Dog questions one of the Rat's cleverer tactics, and an honest talk usually clears the air. What strangers notice first about this couple is how fiercely each defends the other: criticize the Rat in front of the Dog, or the Dog in front of the Rat, and the critic soon regrets it.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dog and Rat earn a warm eight.)~";

constexpr std::string_view kRatPig =
    R"~(Good food, good company and a comfortable chair are things the Rat and the Pig agree on from the start, and they fall into an easy rhythm together. The Pig's generosity and open heart melt the Rat's guarded side. The Rat's shrewdness, in return, protects a trusting Pig from people who would take advantage of its kindness. They laugh a lot, entertain often and rarely hold grudges. Money is the main point of difference, since the Rat saves carefully and the Pig spends happily, and a simple household budget, drawn up together, settles most of it. The Rat should also resist nagging when the Pig indulges, because a Pig that feels judged can turn stubborn and sulky. Each partner here feels appreciated and genuinely at home, and that shared comfort is what holds the match together.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rat and Pig enjoy a happy eight.)~";

constexpr std::string_view kPigRat =
    R"~(A Pig with a Rat for a partner usually ends up running a cheerful, well-stocked household. Warm, sincere and endlessly generous, the Pig is just what a wary Rat needs, and the Rat's quick eye for bargains and dangers keeps the Pig's goodwill from being exploited by anyone less honest. The Pig's easy nature soothes the Rat's nerves. Both enjoy the pleasures of life and the company of friends, and together they can turn an ordinary weeknight into a small celebration. Their money habits do differ, the Pig treating and the Rat tallying, but a shared budget handles most of that. Quarrels, when they come, never last long, since the Pig forgives quickly and the Rat, relieved, is usually the first to cook a peace-offering supper.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Pig and Rat land on a lovely eight.)~";

constexpr std::string_view kOxOx =
    R"~(Two Oxen together build something that lasts. Patient, industrious and loyal, both believe that promises are meant to be kept and bills paid on the day they arrive. Their home is orderly and their finances sound, and each respects the other's need for quiet and for work done properly. There is little of the daily friction that troubles more mismatched couples, and a great deal of silent understanding, since one Ox knows exactly what another means by a nod. The risk lies in too much sameness. Life can slide into a rut, and two stubborn creatures can dig in their hooves over the smallest point and refuse to budge for days. The cure is simple and worth the effort: an unplanned trip, a new pastime taken up together, and the habit of letting one of them give way first without anyone keeping score.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, two Oxen share a sturdy eight.)~";

constexpr std::string_view kOxTiger =
    R"~(Rules are the first thing an Ox and a Tiger argue about, and often the last. The Ox believes in routine and the proper way of doing things, and nothing irritates a Tiger faster than being told what the proper way is. Each may feel real respect for the other's strength at the start, but the relationship soon turns into a tug of war. The Ox steers toward safety, the Tiger sees control where the Ox sees common sense, and both dig in. The Tiger's sudden passions and risky moves also exhaust an Ox that likes to know what next month holds. Still, these two are honest with each other, and when real trouble comes, the Ox's endurance and the Tiger's courage make a strong pair. They can share a home if they agree who leads in which areas and leave each other genuine independence outside them.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Ox and Tiger rate a guarded four.)~";

constexpr std::string_view kTigerOx =
    R"~(A Tiger with an Ox often feels like a wild cat harnessed to a plow: all that appetite for excitement and open country, yoked to a partner who likes straight furrows and the same field every year. In a storm the Ox is a rock, and the Tiger values that more than it admits. The trouble is that the same rock is slow to change and inclined to lay down the law. The Tiger reacts with defiance, the Ox answers with stubbornness, and a dispute about one weekend can drag on for a week. There is something to gain on both sides. The Ox's dependability can steady a Tiger that burns too hot, and the Tiger's courage can open the Ox to horizons it would never have looked toward alone. The match works only if they stop treating every difference as a contest that somebody has to win.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Tiger and Ox come in at a shaky four.)~";

constexpr std::string_view kOxAnimalone =
    R"~(The Ox and the Rabbit share a love of peace, home and stability, and their life together tends to be calm, comfortable and well run. The Ox usually becomes the dependable provider and the Rabbit the one who makes the household feel welcoming, and the Rabbit's tact eases the more reserved Ox through gatherings it would otherwise endure in silence. Neither enjoys chaos or conflict, so shouting matches are rare. The few difficulties are mostly about expression. The Ox can be blunt and undemonstrative, leaving the sensitive Rabbit wishing for a kinder word, and the Rabbit may seem overly delicate to its practical partner. A little warmth spoken aloud by the Ox and a little patience from the Rabbit make this one of the gentlest and most enduring matches either animal can hope for.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Ox and Rabbit earn a contented eight.)~";

constexpr std::string_view kAnimaloneOx =
    R"~(What a Rabbit wants most is a safe haven, and an Ox, with its steady habits and unwavering reliability, offers exactly that. In return the Rabbit adds elegance, kindness and a talent for smoothing over awkward moments, which helps the Ox in the social settings it finds heavy going. Neither likes conflict, so their home is peaceful and orderly, with meals on time and bills paid. The Rabbit sometimes finds the Ox gruff or slow to show affection, and the Ox does not always grasp how easily the Rabbit's feelings bruise. Both tend to keep hurts to themselves, which is the one habit worth breaking. The gap is small, though, and small gestures bridge it. A word of thanks from the Ox and a question asked directly by the Rabbit are usually enough, and the loyalty underneath does the rest.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rabbit and Ox score a cozy eight.)~";

constexpr std::string_view kOxDragon =
    R"~(Strength recognizes strength, which is why the Ox and the Dragon are drawn to each other. The Ox works steadily and quietly toward long-term goals, and it cannot help being impressed when the Dragon charges past with flair, charisma and plans large enough for both of them. Together they can achieve a great deal, since the Ox provides the endurance and the Dragon the vision and the push. Style is where they clash. The Ox finds the Dragon showy and too ready to gamble, and the Dragon finds the Ox slow and set in its ways. Both like to be in charge, and a power struggle can hide inside the most ordinary question, such as whose family to visit for the holidays. When they see that their different strengths serve the same purpose, the partnership becomes productive, loyal and more affectionate than outsiders expect.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Ox and Dragon reach a creditable seven.)~";

constexpr std::string_view kDragonOx =
    R"~(Give a Dragon an Ox for a partner and it gains the one thing it rarely has enough of: staying power. Dazzling and full of big ideas, the Dragon supplies the inspiration, and an Ox that is patient and reliable to a fault supplies the persistence that turns ideas into results, a winning mix in business and in family life alike. Their tempers are both strong, however, and they flare in different ways, the Dragon's quickly and loudly, the Ox's slowly and with great weight. The Dragon grows impatient with the Ox's caution, and the Ox resents the Dragon's taste for drama and attention. Arguments between them are usually about control rather than feeling. Once the Dragon stops expecting applause for every idea, and the Ox learns to offer some anyway, this partnership gains real substance.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dragon and Ox manage a sound seven.)~";

constexpr std::string_view kOxSnake =
    R"~(The Ox and the Snake are a natural fit, bound by a shared preference for quiet depth over noisy display. In practice the Snake plans the route and the Ox walks it without tiring, which is how they tend to divide any task, from saving for a house to running a small business. Each trusts the other to keep confidences and to follow through on promises. The Snake admires the Ox's integrity, and the Ox values the Snake's intuition and calm judgment in a crisis. Both prefer a small circle of close friends and a well-ordered home, and neither feels any need to prove itself in public. The Snake's occasional jealousy and the Ox's stubbornness are the only real snags, and two such sensible souls manage them easily. This is a serene, loyal and deeply rewarding match.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Ox and Snake share an excellent nine.)~";

constexpr std::string_view kSnakeOx =
    R"~(A Snake that partners with an Ox often feels it has found its anchor. Thoughtful and strategic, the Snake appreciates how the Ox's solid reliability frees it to plan without worrying that the ground will shift. The Ox, in turn, admires the Snake's quiet intelligence and values its discretion, since secrets are safe in this house. They share ambitions for security and comfort, and neither needs a crowd to feel content. Their evenings may be unhurried, even quiet, but they are rich in understanding. Friction arises mainly when the Snake's possessiveness meets the Ox's immovable opinions, and even then they settle things calmly and in private. Year by year, this union grows into something both tender and remarkably strong.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Snake and Ox score a superb nine.)~";

constexpr std::string_view kOxHorse =
    R"~(The Ox plods and the Horse gallops, and a good deal of their story is in those two verbs. One values routine and long-term plans, while the other does its best work in bursts and then wants a change of scene. Seen from the Ox's side, the Horse is unreliable and flighty, and seen from the Horse's, the Ox is dull and controlling, and both views hold a grain of truth. Yet there is real potential here. The Ox can give the Horse a stable base to come home to, and the Horse can bring fresh air and a livelier social life into the Ox's world. Their arguments tend to be about commitments, such as plans made months ahead, money set aside and who turned up when promised. The match holds if the Ox grants the Horse its freedom and the Horse proves, when it truly matters, that it can be counted on.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Ox and Horse land on a middling five.)~";

constexpr std::string_view kHorseOx =
    R"~(For a Horse, an Ox is both a comfort and a frustration. Lively, sociable and always ready for something new, the Horse appreciates the Ox's loyalty and the security of a partner who is exactly where it said it would be. It also chafes at the Ox's rules and slow pace, and a Horse that feels reined in gets restless fast. The Ox, meanwhile, worries about the Horse's impulsiveness and wonders whether it will ever settle down. Neither is wrong, simply different, and the differences are not all drawbacks. The Horse livens up the Ox's weekends, and the Ox gets the Horse's bright ideas finished. A workable balance comes when the Horse honors its commitments without being reminded and the Ox loosens the reins enough that home feels like a base rather than a paddock.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Horse and Ox score an even five.)~";

constexpr std::string_view kOxGoat =
    R"~(Ox and Goat face one of the hardest matches in the Chinese zodiac, and the trouble starts with how each shows love. An Ox shows it by working, providing and keeping its promises, and it seldom thinks to put any of that into words. A Goat needs to hear that it is cherished, often, and a partner who says nothing sounds to it like a partner who feels nothing. Before long the Ox sees the Goat as indulgent, moody and impractical, while the Goat experiences the Ox as cold, rigid and critical. Money adds fuel, because the Goat spends on beauty and comfort and the Ox guards every coin. Misunderstandings pile up quietly until they become wounds. There are strengths to draw on all the same. Both want a settled home, both stay loyal once committed, and the Ox's steadiness can calm the Goat's worries just as the Goat's gentleness can soften the Ox. A life together is possible only if the Ox learns to say tender things out loud and the Goat takes its share of the practical load without feeling diminished.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Ox and Goat face a difficult two.)~";

constexpr std::string_view kGoatOx =
    R"~(Goat and Ox stand at the difficult end of the Chinese zodiac, and it is often the Goat that feels the strain first. Gentle and imaginative, the Goat longs to be cherished with words and small kindnesses. The Ox shows love through duty and labor and seldom thinks to say the tender things its partner is waiting to hear. So the Goat feels unappreciated and judged, and the Ox grows impatient with what looks to it like whims, worries and extravagance. Their rhythms clash as well, the Goat drifting and dreaming while the Ox schedules and toils. Yet the makings of something good are present. The Ox's constancy can give the Goat the security it longs for, and the Goat's warmth can coax a softer side out of the Ox. For the bond to last, each has to learn the other's way of showing love, money must be discussed calmly and early, and both must be ready to forgive often.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Goat and Ox sit at a hard-won two.)~";

constexpr std::string_view kOxMonkey =
    R"~(Ox and Monkey make an unlikely couple, and the mismatch shows quickly. Shortcuts are the first sore point: an earnest, methodical Ox distrusts them on principle, and a witty, restless Monkey is delighted by any clever trick that saves an hour. At first the Ox may be amused by the Monkey's antics and the Monkey may enjoy the Ox's calm strength, but the novelty fades. The Ox starts to distrust the Monkey's slippery way with facts, and the Monkey grows bored with routines that never change. They even express affection differently, the Ox through consistency and the Monkey through play and surprise, so each can miss the other's signals entirely. There is something to learn on both sides, since the Ox can steady the Monkey and the Monkey can teach the Ox to laugh. That exchange needs a Monkey that keeps its word and an Ox that stops reading every joke as a trick.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Ox and Monkey reach an uncertain four.)~";

constexpr std::string_view kMonkeyOx =
    R"~(A Monkey with an Ox often feels like a juggler performing for a very serious audience, one that wants steady progress and plans that do not change halfway through. The Monkey admires the Ox's reliability but soon feels hemmed in by its caution, and the Ox enjoys the Monkey's humor while quietly doubting its sincerity. Trust becomes the central issue, because the Ox reads the Monkey's cleverness as slyness and the Monkey resents being treated as a suspect. On good days the Ox gives the Monkey a dependable home base and the Monkey gives the Ox a reason to laugh. Those days grow rarer if nothing changes. For this match to thrive, the Monkey has to prove itself through steady action rather than charm, and the Ox has to let a little spontaneity into the calendar without treating it as a threat.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Monkey and Ox score a modest four.)~";

constexpr std::string_view kOxAnimaltwo =
    R"~(Order, diligence and a firm belief in doing things properly unite the Ox and the Rooster, and together they make one of the soundest couples in the zodiac. The Ox provides patience, strength and quiet reliability. The Rooster adds a sharp eye, organizational flair and a confident public face, and it is usually the one who speaks for them both. Each admires in the other what it values in itself, the Rooster loving the Ox's steadiness and the Ox appreciating the Rooster's precision and honesty. Both dislike waste and keep to time, so their household and finances run like clockwork. The Rooster's occasional vanity rarely ruffles the easygoing Ox, and the Rooster's good sense keeps the Ox's stubbornness in proportion. Neighbors tend to hold them up as the couple that has its life in order, and for once the neighbors are right.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Ox and Rooster earn a splendid nine.)~";

constexpr std::string_view kAnimaltwoOx =
    R"~(A Rooster that finds an Ox has found someone who truly understands its standards. Meticulous and energetic, the Rooster strives to get every detail right, and it is relieved to live with a partner who is calm, dependable and happy to put in the long hours a task requires. The Ox never lets it down, and the Ox in turn is impressed by the Rooster's efficiency and candor. Their values line up closely, from careful budgeting to a respect for tradition, and they stay loyal in good times and hard ones. The one gap is applause. A Rooster likes to be admired out loud, and a reserved Ox tends to assume its approval is obvious. A few kind words, said often, close that gap completely and leave a productive, contented union that only improves with age.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rooster and Ox share an outstanding nine.)~";

constexpr std::string_view kOxDog =
    R"~(The Ox and the Dog are both loyal, principled and devoted to duty, so trust between them comes early and stays. From the Ox the Dog gets stability and a calm presence, and from the Dog the Ox gets honesty, protection and a fierce sense of fairness. Each knows the other will keep its word, and both take family responsibilities seriously. The difficulties are mostly emotional. The Dog tends to worry and needs reassurance, and a taciturn Ox does not always provide the comforting words a Dog hopes for, while the Ox finds the Dog's anxieties puzzling when the facts look fine. Life together may also run short of spontaneity, because neither is naturally playful. An evening set aside for nothing but fun, and a habit of saying worries out loud before they grow, keep this partnership warm as well as secure.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Ox and Dog arrive at a dependable seven.)~";

constexpr std::string_view kDogOx =
    R"~(Reliability is what a Dog values most in a partner, and an Ox has it in abundance. Faithful and idealistic, always ready to defend what is right, the Dog takes deep comfort in the Ox's patience and unshakable commitments, and the Ox respects the Dog's integrity and sense of justice. Shared values make daily life smooth, from how money is handled to how the family is looked after. The strain appears when the Dog's anxieties meet a wall of Ox reserve, the Dog wanting to talk a worry through and the Ox preferring to get back to work. The Ox's fixed opinions can also frustrate the Dog's moral passion, and play does not come naturally to either of them. A family that relies on them gets two steady guardians, and the guardians do best when they also make time simply to enjoy each other.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dog and Ox score a steady seven.)~";

constexpr std::string_view kOxPig =
    R"~(The Ox works hard and the Pig makes sure the work is worth doing, which sums up why these two get along so comfortably. The Pig softens the Ox's serious nature with laughter and simple pleasures, and the Ox, industrious and disciplined, gives the Pig the security it enjoys. Both value a peaceful household and close family ties, and neither plays games in love. Friction appears when the Ox disapproves of the Pig's treats and its relaxed attitude to money, or when the Pig finds the Ox's routines rigid and joyless. The Pig's good humor rarely lets resentment fester, though, and the Ox's loyalty is never in doubt. A modest allowance for pleasures, agreed in advance, spares them most of their arguments.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Ox and Pig come to a comfortable seven.)~";

constexpr std::string_view kPigOx =
    R"~(Steady company suits a Pig, and an Ox is about as steady as company gets. Kind, sincere and fond of simple pleasures, the Pig feels safe with such a partner, and the Ox is gently coaxed out of its shell by the Pig's warmth. Both are loyal and honest, and neither has any taste for intrigue or jealous games. Where they differ is pace and priorities. The Pig enjoys leisure, long meals and the occasional splurge. The Ox prefers to save, keep working and treat rest as something earned. Left unspoken, that difference can turn into a quiet tally of who is lazy and who is dull. A little flexibility from the Ox and a touch of restraint from the Pig keep the balance, and a Sunday kept free for doing nothing much together does more for them than any grand gesture.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Pig and Ox rate a pleasing seven.)~";

constexpr std::string_view kTigerTiger =
    R"~(Two Tigers together make a thrilling and volatile combination. Each is bold, passionate and fiercely independent, and each understands at once the other's hunger for adventure and refusal to be tamed. The attraction is powerful, and their shared enthusiasm can lead to exhilarating travels, daring projects and a fiery romance. The trouble is that two rulers of the jungle rarely agree on who leads. Pride makes apologies difficult, and quarrels erupt suddenly and burn hot. Because both need plenty of freedom, the relationship itself can go untended for weeks while each chases its own cause. They are generous and loyal to each other, though, and they never bore one another. Taking turns at the helm, and aiming their competitive energy at a common goal rather than at each other, gives two Tigers a lively, if never tranquil, life together.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, two Tigers register an even five.)~";

constexpr std::string_view kTigerAnimalone =
    R"~(Tiger and Rabbit are feline cousins in the zodiac, yet their temperaments could hardly be further apart. Where the Tiger goes looking for excitement, the Rabbit goes looking for a quiet room and a comfortable chair. At first the Tiger enjoys the Rabbit's grace and calming presence, and the Rabbit is charmed by the Tiger's magnetism and protective warmth. Over time the Tiger's restlessness and its habit of charging into confrontation can unsettle the sensitive Rabbit, while too many quiet evenings at home leave the Tiger feeling caged. The Rabbit's tact, though, is a real gift to a Tiger that often says too much, and the Tiger's courage helps the Rabbit try things it would never try alone. Meeting in the middle takes a softer approach from the Tiger and a Rabbit that speaks up instead of retreating whenever voices rise.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Tiger and Rabbit find a balanced five.)~";

constexpr std::string_view kAnimaloneTiger =
    R"~(A Rabbit is drawn to a Tiger much as a quiet person is drawn to a bonfire: warmed, fascinated and a little wary of the sparks. The Rabbit's tact and soothing presence can help the Tiger think before it pounces, and the Tiger's energy can coax the Rabbit well beyond the familiar. Their needs, however, pull in different directions. The Rabbit wants serenity, predictability and gentle handling, and the Tiger wants action and can be careless with feelings in the heat of the moment. A Rabbit hurt in this way tends to withdraw rather than say so, which leaves the Tiger baffled and, before long, impatient. Each still admires in the other what it lacks itself. This pairing holds together when the Tiger shows patience, the Rabbit shows a little daring, and both agree to talk over a hurt on the day it happens.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rabbit and Tiger score a fair five.)~";

constexpr std::string_view kTigerDragon =
    R"~(Heads turn when a Tiger and a Dragon walk into a room together. Both are charismatic, confident and unafraid of risk, and they share a love of bold ideas and grand gestures. The Dragon admires the Tiger's courage, and the Tiger is impressed by the Dragon's vision and vitality. The difficulty is that both want the spotlight, and both like to be in command. Arguments between them are dramatic, and neither backs down gracefully. Yet the respect is genuine, and when they put their energy behind the same goal, they are very hard to stop. An evening with them is never dull, and a project run by them is rarely small. The partnership is happiest when they divide the stage on purpose, each taking the lead in its own field and cheering loudly when the other shines.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Tiger and Dragon score a promising six.)~";

constexpr std::string_view kDragonTiger =
    R"~(For the Dragon, a Tiger is that rare partner who will neither flatter it nor fade beside it. The Dragon arrives with a sense of destiny, and the Tiger with a rebellious spark that keeps that destiny from becoming predictable. They push each other to aim higher, and their adventures together are seldom dull. Both possess strong egos, though, and power struggles are close to inevitable when two such leaders share a home or a business. The Dragon expects a degree of admiration the Tiger is not inclined to give, and the Tiger resents any attempt to direct it. Honest talk, clearly agreed areas of authority and a shared challenge, whether a deadline or a rival firm, turn this rivalry into a partnership.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dragon and Tiger earn a lively six.)~";

constexpr std::string_view kTigerSnake =
    R"~(The Tiger and the Snake approach life from opposite ends, and neither finds the other easy to live with. The Tiger is open, impulsive and quick to act on feeling. The Snake is private, deliberate and guided by careful calculation. To the Tiger, the Snake seems cold and hard to read, and its watchfulness can feel like possessiveness or even manipulation. The Snake, meanwhile, sees the Tiger as reckless and tactless and distrusts its constant need for freedom. Suspicion can sour even a promising start. Each does have something of value to offer. The Snake's foresight could temper the Tiger's rashness, and the Tiger's candor could draw the Snake into the open. The relationship has a chance only if the Snake explains its silences and the Tiger accepts that a question about its plans is not a leash.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Tiger and Snake limp along at three.)~";

constexpr std::string_view kSnakeTiger =
    R"~(Snake and Tiger rarely understand each other for long. The Snake may be fascinated at first by the Tiger's boldness, but it soon finds how little they share. A Snake thinks before it moves and shows loyalty through discretion, so a Tiger that blurts out every feeling and bristles at any question about its whereabouts is hard for it to read, let alone trust. The Snake's quiet jealousy collides with the Tiger's love of independence, and the Tiger's restlessness keeps the Snake uneasy. Misread intentions are the daily hazard. Even so, the Tiger's candor can teach the Snake to speak more freely, and the Snake's foresight can spare the Tiger a few expensive leaps. The bond can survive only if the Snake learns to trust without checking and the Tiger acts with more consideration for the partner waiting at home.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Snake and Tiger reach a strained three.)~";

constexpr std::string_view kTigerHorse =
    R"~(The Tiger and the Horse are kindred spirits, bursting with energy, optimism and a love of freedom. Neither wants a partner who clips its wings, so they give each other plenty of space and still manage to share a great many adventures. The Horse's cheerful, sociable nature lightens the Tiger's intense moods, and the Tiger's courage and idealism inspire the Horse to aim beyond its next enthusiasm. They love travel, spontaneous plans and heated late-night discussions, and each supports the other's ambitions wholeheartedly. When tempers clash, the storm passes quickly because neither holds a grudge. Honest, passionate and mutually respectful, they have found one of the happiest pairings either animal can hope for.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Tiger and Horse enjoy a superb nine.)~";

constexpr std::string_view kHorseTiger =
    R"~(Freedom is the first thing a Horse and a Tiger agree on, and they go on agreeing about most things after that. Free-spirited, upbeat and endlessly curious, the Horse finds in the Tiger a brave, passionate partner driven by big ideals. They understand each other's need for independence without having to discuss it, and they fill their lives with movement, laughter and ambition. The Tiger admires the Horse's zest, and the Horse feels more alive for the Tiger's daring. Quick tempers spark now and then, and the air clears just as fast. Because each trusts the other completely, time apart never feels like a threat, and their reunions, after a trip or simply a long day, are some of the warmest moments they share.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Horse and Tiger score a wonderful nine.)~";

constexpr std::string_view kTigerGoat =
    R"~(A Tiger often feels protective of a Goat at first, and the Goat is glad to be protected, but keeping the bond healthy takes more care than either expects. A restless, sometimes blunt Tiger and a Goat that needs security and frequent reassurance want different things from an ordinary week. The Tiger enjoys the Goat's kindness and creativity, then grows impatient with its moods and worries. The Goat feels neglected whenever the Tiger rushes off on its latest adventure and is wounded by careless words the Tiger forgets having said. On the plus side, the Tiger's confidence can lift a Goat that doubts itself, and the Goat's gentleness gives the Tiger a place to rest. To make it last, the Tiger must slow down and offer steady, dependable affection, and the Goat must build some independence of its own.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Tiger and Goat rate a fragile four.)~";

constexpr std::string_view kGoatTiger =
    R"~(When a Goat falls for a Tiger, it is usually hoping for a protector. The Goat brings warmth and an artist's eye to the home, and it loves the Tiger's vitality and courage, at least until it notices how often that courage is spent somewhere else. The Tiger's protection comes and goes with its whims, and the Goat needs constancy above all. Left alone too often, the Goat grows insecure and moody, and the Tiger, feeling burdened by what it sees as dependence, pulls further away. Even their ideas of a happy evening differ, a quiet room and music for one, a crowded table and a lively debate for the other. They do have things to give each other, courage for the Goat and tenderness for the Tiger. With patience, the Goat can allow the Tiger more breathing room, and the Tiger can learn to show up on the nights that count.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Goat and Tiger scrape together a four.)~";

constexpr std::string_view kTigerMonkey =
    R"~(The Tiger and the Monkey are traditional opposites, and their relationship asks for a great deal of effort. The Tiger is proud, earnest and intense. The Monkey is playful, mischievous and loves to tease. What the Monkey means as a harmless joke, the Tiger often takes as an insult, and the Tiger's fierce reactions make the Monkey wary and defensive. Both are competitive and clever and hate being outmaneuvered, so rivalry easily replaces romance. Trust builds slowly, because the Tiger suspects the Monkey's tricks and the Monkey resents the Tiger's attempts to dominate. What they share is a zest for life, and when they laugh together rather than at each other, their energy and wit make them lively company. If they truly want this bond, they must talk frankly, respect each other's pride and agree never to play games with each other's feelings.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Tiger and Monkey face a challenging two.)~";

constexpr std::string_view kMonkeyTiger =
    R"~(A Monkey and a Tiger should expect a bumpy ride together. A Monkey loves to tease, and a Tiger does not take kindly to being made the butt of a joke, which is most of the problem in a single line. The Monkey enjoys provoking a reaction, the Tiger reacts with force, and flirtation turns into conflict before either quite sees it happen. Each is also used to being the cleverest or strongest in the room, so contests of will are frequent. The Monkey comes to feel bullied, and the Tiger mocked or manipulated. They do share vitality and quick minds, and on good days their banter is real fun for both. The pairing thrives only with exceptional goodwill: the Monkey must rein in its teasing and show sincerity, and the Tiger must cool its temper and learn to laugh at itself.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Monkey and Tiger struggle at a tough two.)~";

constexpr std::string_view kTigerAnimaltwo =
    R"~(Shared boldness is exactly where the trouble begins for a Tiger and a Rooster. Both are confident and outspoken, and each is sure it knows best: the Tiger about what is worth doing, the Rooster about exactly how it should be done. The Rooster is quick to point out the Tiger's mistakes, and the Tiger, who hates criticism, answers with defiance. Arguments can become loud and frequent, each side certain it is right. Both, however, are honest, energetic and hard-working, and each can admire the other's courage and conviction; there is no hidden scheming between them. If the Rooster learns to temper its critiques and the Tiger learns to listen without bristling, they can find common ground, though it will take steady patience. On the compatibility scale of one to ten, Tiger and Rooster score a prickly four.)~";

constexpr std::string_view kAnimaltwoTiger =
    R"~(To a Rooster, a Tiger is an exciting partner and a tireless sparring opponent, often in the same afternoon. A meticulous, organized Rooster is never shy about offering its opinion, and a free-spirited Tiger takes every opinion as an attempt to manage it. So the Rooster sees carelessness where the Tiger sees freedom, and the Tiger hears nagging and vanity where the Rooster means good advice. Both are proud, and neither apologizes easily. Still, they share a certain straightforwardness. There are no hidden games between them, and each always knows where it stands with the other, which is more than many couples can say. The relationship functions when the Rooster gives the Tiger room to follow its instincts and the Tiger admits, now and then, that the Rooster's careful planning just saved the day.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rooster and Tiger manage a bumpy four.)~";

constexpr std::string_view kTigerDog =
    R"~(Of all its possible partners, the Tiger finds one of the truest in the Dog. Both are idealists with a deep commitment to what is right, and they recognize that in each other at once. The Tiger brings courage, passion and a fearless spirit, and the Dog answers with loyalty, honesty and steadfast support. The Dog admires the Tiger's bravery, and the Tiger values the Dog's faithfulness more than it usually says. The Dog's calm good sense balances the Tiger's impulsiveness, and the Tiger's optimism lifts the Dog out of its occasional gloom. Trust comes easily, quarrels end quickly and jealousy has little to feed on. Whether they are defending their family or championing a cause, these two make a formidable team, and they are never happier than when standing on the same side of a fight worth having.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Tiger and Dog earn a richly deserved nine.)~";

constexpr std::string_view kDogTiger =
    R"~(A Dog that finds a Tiger has found a partner worthy of its loyalty. Principled, protective and sincere, the Dog recognizes in the daring, passionate Tiger the same basic honesty it lives by, and neither needs to play games to feel secure. The Dog gives the Tiger the rare sense of being understood and backed without conditions. The Tiger's confidence, in turn, helps the Dog shed its anxieties and take life a little less seriously. They stand shoulder to shoulder in the face of injustice and share a generous, open-hearted view of the world. Flare-ups of temper happen, and they end without lasting grudges. Over the years the Dog worries less and the Tiger rages less, and each gives the other the credit for the change.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dog and Tiger earn a glorious nine.)~";

constexpr std::string_view kTigerPig =
    R"~(The Tiger and the Pig make a warm, supportive pairing in which each gets what it needs without much negotiation. Bold and adventurous, the Tiger always has big plans, and the easygoing, generous Pig backs them without trying to steer them. In return the Tiger offers protection, excitement and an honest, direct kind of love the Pig can trust. Both enjoy life's pleasures. Challenges arise when the Tiger's restlessness leaves the Pig feeling overlooked, or when the Pig's indulgent streak looks like idleness to a driven Tiger. The Pig's patience and the Tiger's affection usually smooth these over. A Tiger that remembers to come home for dinner, and to notice who cooked it, will find this one of its happiest matches.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Tiger and Pig land on a warm seven.)~";

constexpr std::string_view kPigTiger =
    R"~(Kind-hearted and always ready to see the best in others, the Pig finds a Tiger an exciting and affectionate partner. The Tiger is dynamic, courageous and full of ambition, and it brings a protective spirit that makes the Pig feel secure. The Pig, for its part, offers a stable, loving home for the Tiger to return to after its adventures. Both are honest and straightforward, with little patience for intrigue, so the air between them is usually clear. Their differences are matters of degree. The Pig sometimes needs more attention than the busy Tiger remembers to give, and the Tiger may wish the Pig cared a little more about getting ahead. Neither difference runs deep, because both would rather enjoy today than argue about tomorrow.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Pig and Tiger reach a happy seven.)~";

constexpr std::string_view kAnimaltwoAnimaltwo =
    R"~(Two Roosters under one roof make for a very well-organized but rather noisy home. Both are diligent, observant and proud of their high standards, and each respects the other's efficiency and sharp eye. The problem is that two perfectionists rarely agree on the right way to do anything. Criticism flows freely in both directions, and neither enjoys being corrected. Both also like to be admired, so competition for praise and attention can creep into the relationship. Their shared love of order and hard work means they can accomplish a great deal together, yet emotional warmth may suffer amid the nitpicking. If they consciously soften their words and celebrate each other's successes, two Roosters can find a workable harmony.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, two Roosters settle at a modest four.)~";

constexpr std::string_view kAnimaltwoDog =
    R"~(The Rooster and the Dog share a strong sense of principle, but they express it very differently. The Rooster is confident, precise and fond of admiration; the Dog is modest, loyal and suspicious of anything that looks like vanity or show. The Rooster may feel the Dog is overly pessimistic or judgmental, and the Dog may find the Rooster's outspoken critiques and love of display hard to accept. Both can be stubborn once they have taken a position. On the positive side, each values honesty and hard work, and they are equally devoted to the people they love. This pairing can be stable if they focus on their common values and learn to voice concerns gently rather than critically.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rooster and Dog register a middling five.)~";

constexpr std::string_view kDogAnimaltwo =
    R"~(A Dog with a Rooster finds a partner that shares its honesty and work ethic, yet the two often rub each other the wrong way. The Dog is loyal, humble and guided by a deep sense of fairness; the Rooster is self-assured, meticulous and not shy about pointing out flaws. The Dog may feel wounded by the Rooster's frankness, and the Rooster may grow impatient with the Dog's worrying and tendency to expect the worst. The Rooster's love of admiration can also strike the Dog as shallow. Yet both are reliable, both keep their promises and both care about doing things properly. With patience and kind words, they can build a respectful and functional relationship.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dog and Rooster land on a fair five.)~";

constexpr std::string_view kAnimaltwoPig =
    R"~(The Rooster and the Pig can enjoy each other's company, but their differing styles need careful handling. The Rooster is organized, exacting and quick with an opinion; the Pig is relaxed, generous and happiest when life feels comfortable and unhurried. The Pig may admire the Rooster's energy and competence, and the Rooster may appreciate the Pig's warmth and sincerity. However, the Rooster's critiques can hurt the sensitive Pig, and the Pig's casual approach to tidiness and money can drive the Rooster to distraction. Fortunately, the Pig's tolerant nature helps cushion conflicts. If the Rooster learns to relax its standards and the Pig makes an effort to meet them halfway, the match can be pleasant.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rooster and Pig reach an average five.)~";

constexpr std::string_view kPigAnimaltwo =
    R"~(A Pig with a Rooster often enjoys a partner who keeps life orderly and on track. The Pig is warm, trusting and loves simple pleasures; the Rooster is efficient, proud and dedicated to doing everything correctly. The Pig's easygoing nature helps it brush off much of the Rooster's fussiness, and the Rooster can appreciate the Pig's kindness and loyalty. Yet tension surfaces when the Rooster's criticism starts to feel relentless, or when the Pig's indulgences clash with the Rooster's careful budgets and schedules. The Pig may feel judged, and the Rooster may feel its efforts go unnoticed. Mutual praise and some give on both sides keep this partnership reasonably content.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Pig and Rooster score a steady five.)~";

constexpr std::string_view kPigPig =
    R"~(Two Pigs together create one of the coziest, most contented homes imaginable. Both are generous, affectionate and devoted to life's comforts, from a well-laden table to an evening spent laughing with friends. They rarely argue, and when they do, forgiveness comes swiftly because neither likes to hold a grudge. Each feels deeply understood by the other, and their shared warmth makes their household a magnet for family and friends. The main risk is that two such trusting, easygoing souls may overindulge or be taken advantage of by less scrupulous people. A little shared discipline around money and a healthy dose of caution keep them safe. Otherwise, this is a joyful, loving and wonderfully harmonious match.)~" "\r\n\r\n"
    R"~(On a scale of one to ten, two Pigs enjoy a delightful eight.)~";

constexpr std::string_view kAnimaloneAnimalone =
    R"~(Two Rabbits build a home that feels like a deep breath after a long day. Both partners prize calm, courtesy and beauty, and neither wants to win an argument at the cost of the mood in the room. They read each other's silences easily, notice small kindnesses, and tend to furnish their shared life with books, soft light and good food. Friends often describe the couple as gentle and gracious hosts. The danger is not conflict but avoidance: when something truly needs saying, each Rabbit may wait for the other to raise it, and a small worry can sit unspoken for months. These two also share a cautious streak, so big decisions such as a move or a career change can stall. If one of them learns to name problems early and the other agrees to take the occasional leap, this pairing becomes a steady, affectionate partnership with very little drama and a great deal of quiet contentment.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, two Rabbits earn a warm eight.)~";

constexpr std::string_view kAnimaloneDragon =
    R"~(The Rabbit and the Dragon come from different worlds, yet they often find that those worlds fit together better than expected. The Rabbit offers tact, taste and a talent for smoothing the path, while the Dragon brings fire, ambition and a taste for the big stage. The Rabbit can help the Dragon win people over rather than simply overpowering them, and the Dragon in return gives the Rabbit the confidence to aim higher than comfort would allow. Trouble comes when the Rabbit's need for peace looks like timidity to a restless Dragon, or when the Dragon's volume drowns out the Rabbit's softer voice. Neither should take the other's temperament personally. With patience, the Rabbit learns to speak up and the Dragon learns to lower the flame now and then, and the result is a pairing that is both polished and lively.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Rabbit and the Dragon reach a respectable seven.)~";

constexpr std::string_view kDragonAnimalone =
    R"~(When a Dragon falls for a Rabbit, the attraction usually rests on contrast. The Dragon is bold, quick to act and happy in the spotlight; the Rabbit is refined, observant and fond of a peaceful life. Each supplies what the other lacks. The Dragon opens doors and brings energy into the relationship, and the Rabbit knows how to keep a household, a friendship or a business running gracefully behind the scenes. Friction arises when the Dragon pushes too hard or mistakes the Rabbit's gentleness for agreement, and when the Rabbit withdraws instead of saying what bothers it. The Dragon must remember that a quiet partner still has strong opinions, and the Rabbit must trust that honesty will not start a war. When both make that effort, the bond turns out to be pleasant, productive and more durable than outsiders predict.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dragon and Rabbit land on a solid seven.)~";

constexpr std::string_view kAnimaloneSnake =
    R"~(Rabbit and Snake share a love of refinement, privacy and careful thought, which gives them an easy starting point. Neither enjoys noisy crowds or reckless schemes, and both appreciate elegant surroundings, good conversation and time to reflect. The Snake's wisdom and strategic mind impress the Rabbit, while the Rabbit's warmth and social grace soften the Snake's cooler edges. Together they can create a discreet, cultured life that suits them both. The challenge lies in what stays hidden. The Snake tends to keep its deeper feelings locked away, and the Rabbit, sensitive to rejection, may read that reserve as coldness. The Snake can also grow possessive, which makes an independent Rabbit uneasy. Regular, honest conversation is the cure. When these two let each other see what lies beneath the polished surface, they enjoy a calm and thoughtful union.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rabbit and Snake share a pleasant seven.)~";

constexpr std::string_view kSnakeAnimalone =
    R"~(A Snake and a Rabbit tend to recognize each other as kindred spirits in a world that often feels too loud. Both move carefully, think before they speak and value beauty and comfort. The Snake brings depth, insight and a quiet determination; the Rabbit brings kindness, diplomacy and a gift for making any space feel welcoming. In friendship they trade confidences over long dinners, and in love they build a private refuge. Still, the relationship needs attention in one area, and that area is openness. The Snake's secrecy and occasional jealousy can make the Rabbit feel shut out or watched, and the Rabbit's habit of dodging conflict can leave the Snake guessing. If the Snake shares its inner life more freely and the Rabbit names its worries aloud, trust grows steadily, and this becomes a graceful, thoughtful match.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Snake and Rabbit enjoy a good seven.)~";

constexpr std::string_view kAnimaloneHorse =
    R"~(A Rabbit and a Horse can have a delightful beginning, because the Rabbit's charm intrigues the Horse and the Horse's cheerful energy wakes the Rabbit up. Over time, though, their rhythms pull apart. The Rabbit wants a settled home and a predictable week, while the Horse wants motion, spontaneity and new horizons. The Rabbit may find the Horse careless with plans and feelings, and the Horse may find the Rabbit overly cautious. Neither is wrong; they simply run on different clocks. This pairing works best when both accept that they will not change the other's basic nature. The Rabbit can offer a restful base to return to, and the Horse can bring adventure in measured doses. With clear agreements about time, money and independence, the two can keep the affection that first drew them together, though it takes steady effort.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Rabbit and the Horse sit at a middling five.)~";

constexpr std::string_view kHorseAnimalone =
    R"~(The Horse and the Rabbit admire each other at first sight: the Horse loves the Rabbit's grace and good humor, and the Rabbit enjoys the Horse's openness and sense of fun. The trouble is that they want very different things from daily life. The Horse gallops toward the next trip, project or party, and often decides on impulse. The Rabbit prefers quiet evenings, careful budgets and time to think things over. When the Horse feels held back it grows restless, and when the Rabbit feels rushed it retreats. To make it work, the Horse must slow down enough to reassure the Rabbit, and the Rabbit must allow the Horse room to roam without reading it as rejection. As friends they can enjoy each other easily; as partners they need patience and honest compromise to stay in step.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Horse and Rabbit manage an even five.)~";

constexpr std::string_view kAnimaloneGoat =
    R"~(Rabbit and Goat are one of the most naturally harmonious pairs in the Chinese zodiac. Both are gentle, artistic and devoted to comfort, and both would rather create something lovely than compete for attention. The Rabbit provides good judgment and a steady hand with practical matters, while the Goat brings imagination, tenderness and a generous heart. They understand each other's moods almost without speaking, and each feels safe enough to be soft around the other. At home they fill their days with music, cooking, art and easy affection. The only caution is that neither likes confrontation, so real problems can be postponed, and both can drift into worry when money or plans get tight. A little courage in facing hard topics keeps this loving bond strong. Few couples offer each other such reliable kindness.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Rabbit and the Goat shine with a lovely nine.)~";

constexpr std::string_view kGoatAnimalone =
    R"~(A Goat who meets a Rabbit often feels it has found a partner who truly understands it. The Goat is sensitive, creative and in need of reassurance; the Rabbit is considerate, perceptive and happy to provide a calm, secure nest. In return the Goat offers the Rabbit warmth, playfulness and an artist's eye that makes ordinary life feel special. Their values line up well: home, beauty, loyalty and peace. Quarrels are rare and usually short. What they must watch is a shared tendency to avoid unpleasant tasks and decisions, from paperwork to difficult conversations. If one of them takes the lead when practical matters pile up, the relationship has very little to fear. As friends, lovers or business partners, the Goat and the Rabbit bring out each other's tenderness and build something beautiful together.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Goat and Rabbit enjoy a glowing nine.)~";

constexpr std::string_view kAnimaloneMonkey =
    R"~(The Rabbit and the Monkey can entertain each other wonderfully for an evening, but a lasting bond asks a lot of both. The Rabbit is careful, sincere and easily unsettled by unpredictability. The Monkey is clever, restless and mischievous, always looking for the next trick or opportunity. The Rabbit may come to feel that the Monkey's jokes hide a lack of seriousness, and the Monkey may find the Rabbit too cautious to keep up. Trust is the central issue: the Monkey's love of games can look like evasion to a Rabbit who wants a dependable partner. For this pair to thrive, the Rabbit must loosen up enough to enjoy the Monkey's sparkle, and the Monkey must show it can be steady and honest when it counts. It is possible, but it takes real commitment from both sides.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Rabbit and the Monkey score a modest four.)~";

constexpr std::string_view kMonkeyAnimalone =
    R"~(A Monkey and a Rabbit are drawn together by wit and charm, yet they approach life from opposite directions. The Monkey thrives on novelty, risk and clever improvisation, and it gets bored quickly when routine sets in. The Rabbit seeks security, courtesy and a quiet domestic rhythm. Where the Monkey sees a harmless prank, the Rabbit may feel embarrassed or hurt, and where the Rabbit sees sensible caution, the Monkey may feel fenced in. These differences can harden into a pattern of misunderstanding if nobody addresses them. The Monkey can win the Rabbit's trust by being reliable and transparent, and the Rabbit can help by voicing its needs clearly rather than withdrawing. With real goodwill and patience, the pair can learn a great deal from each other, but it is not an easy road.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Monkey and Rabbit reach only four.)~";

constexpr std::string_view kAnimaloneAnimaltwo =
    R"~(The Rabbit and the Rooster stand opposite each other on the zodiac wheel, and their differences show up quickly. The Rabbit is sensitive, diplomatic and wounded by blunt criticism. The Rooster is direct, exacting and proud, quick to point out flaws and happy to debate them. What the Rabbit calls tact, the Rooster may see as evasiveness, and what the Rooster calls honesty, the Rabbit may experience as harshness. Both like order and appearances, which gives them some common ground, but their styles of handling it clash. This relationship needs a great deal of conscious work: the Rabbit must learn to state its feelings plainly instead of going quiet, and the Rooster must soften its delivery and offer praise as readily as correction. Without that effort, resentment builds. With it, they can still find respect, though it will never come easily.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Rabbit and the Rooster struggle at a low two.)~";

constexpr std::string_view kAnimaltwoAnimalone =
    R"~(When a Rooster pairs with a Rabbit, the two often feel they are speaking different languages. The Rooster is confident, outspoken and precise, with high standards for itself and everyone nearby. The Rabbit is gentle and reserved, and prefers harmony to truth delivered without cushioning. The Rooster's frank remarks can leave the Rabbit feeling judged, while the Rabbit's quiet retreats leave the Rooster frustrated and unsure what went wrong. Daily life can become a cycle of critique and withdrawal. Making this match work demands real, sustained effort. The Rooster needs to choose its words carefully and notice the Rabbit's strengths aloud, and the Rabbit needs the courage to push back openly. A shared taste for a tidy home and a polished image can help, but patience and humility are essential if these two are to meet in the middle.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rooster and Rabbit face a difficult two.)~";

constexpr std::string_view kAnimaloneDog =
    R"~(The Rabbit and the Dog make a trustworthy and affectionate pair, and traditional lore counts them as secret friends. The Rabbit treasures loyalty, honesty and a protective heart in a partner, and the Dog offers all three. In turn, the Rabbit's gentleness and good sense calm the Dog's tendency to fret about injustice and what might go wrong. Both value a secure home, sincere friends and a life without needless drama. They communicate well, too: the Rabbit listens with care, and the Dog says what it means. Occasionally the Rabbit's wish to avoid conflict can frustrate a Dog who wants issues settled, or the Dog's anxious pessimism can bring the mood down. These are minor bumps. Overall this is a relationship built on mutual respect, where each partner feels safe and valued, and where kindness tends to be returned in full.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Rabbit and the Dog earn a happy eight.)~";

constexpr std::string_view kDogAnimalone =
    R"~(A Dog and a Rabbit find comfort in each other from the start. The Dog offers faithfulness, a strong sense of right and wrong and a readiness to stand guard; the Rabbit offers warmth, tact and a soothing presence that eases the Dog's restless mind. They share a preference for a stable home, genuine relationships and honest dealings. Friends see them as a dependable, considerate couple. There are small areas to watch: the Dog sometimes broods or expects the worst, and the Rabbit may shy away from the plain talk the Dog needs to feel secure. A little reassurance from the Rabbit and a lighter touch from the Dog resolve most of this. Whether in love, friendship or work, this pairing rests on loyalty and mutual care, and it usually grows stronger with time.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dog and Rabbit come in at a fine eight.)~";

constexpr std::string_view kAnimalonePig =
    R"~(Rabbit and Pig belong to the same harmonious trine, and it shows. The Rabbit is thoughtful, gracious and quick to appreciate kindness, and the Pig is generous, good-natured and sincere. Both enjoy the pleasures of life: a comfortable home, good meals, art and the company of close friends. The Rabbit's discernment protects the Pig from those who might exploit its generosity, and the Pig's easy trust relaxes the cautious Rabbit. They rarely fight, and when they do, forgiveness comes quickly. The main risk is a shared tendency to indulge, whether in spending, food or putting off chores, so a bit of discipline helps. Otherwise, this is a warm, loving match in which both partners feel accepted exactly as they are, and the affection tends to deepen over the years.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Rabbit and the Pig earn an excellent nine.)~";

constexpr std::string_view kPigAnimalone =
    R"~(A Pig and a Rabbit are natural allies, sharing a trine in the zodiac and a similar outlook on life. The Pig brings openhearted generosity, humor and a wish to please; the Rabbit brings refinement, intuition and a knack for creating a serene home. Each feels understood by the other. The Pig admires the Rabbit's taste and judgment, and the Rabbit is charmed by the Pig's honesty and warmth. Conflicts are infrequent because neither partner seeks to dominate, and apologies come easily on both sides. Their weak spot is comfort itself: together they can grow a little too cozy, avoiding ambition or letting budgets slide. Setting a few shared goals keeps them moving forward. As lovers, friends or partners, the Pig and the Rabbit offer each other tenderness, loyalty and a great deal of easy joy.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Pig and Rabbit share a wonderful nine.)~";

constexpr std::string_view kDragonDragon =
    R"~(Two Dragons together make a spectacular, high-voltage partnership. Both are confident, ambitious and generous, with big dreams and the energy to chase them. They inspire each other, cheer each other's victories and rarely feel bored. Social life is vivid, projects are grand, and the pair often becomes the center of any group it joins. Because they share the same fiery nature, they understand each other's pride and drive in a way few others can. The one real risk is competition: two strong leaders can clash over who steers, and arguments, when they happen, can be loud. Dividing responsibilities clearly and celebrating each other's successes instead of comparing them keeps the fire warm rather than scorching. When they act as a team, two Dragons can achieve remarkable things and enjoy a passionate, loyal bond that others admire.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, two Dragons soar to an impressive nine.)~";

constexpr std::string_view kDragonSnake =
    R"~(The Dragon and the Snake form a compelling blend of power and wisdom. The Dragon provides dynamism, courage and a commanding presence, while the Snake contributes subtlety, insight and a strategist's patience. The Dragon is fascinated by the Snake's mystery and elegance, and the Snake admires the Dragon's boldness. Together they can be formidable in business and magnetic in romance. Their differences are complementary more often than divisive: the Snake quietly plans while the Dragon carries the plan out into the world. The Dragon must be careful not to overlook the Snake's contributions or take the credit for them, and the Snake should keep its possessive streak in check when the Dragon's social calendar fills up. With mutual respect, this pair shares a strong attraction and a practical partnership that serves both well.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dragon and Snake enjoy a strong eight.)~";

constexpr std::string_view kSnakeDragon =
    R"~(A Snake and a Dragon often feel an immediate pull toward each other. The Snake is calm, perceptive and deliberate; the Dragon is vibrant, daring and eager to make its mark. The Snake sees the Dragon's potential and can guide it with shrewd advice, and the Dragon gives the Snake a larger stage than it might seek on its own. Both appreciate quality and ambition, so they tend to want the same kind of life, one with style, comfort and a measure of influence. Problems arise if the Dragon grows domineering or careless with the Snake's feelings, or if the Snake turns secretive and jealous. Honest communication and room for each partner's style keep things balanced. When those conditions are met, the Snake and the Dragon become a polished and powerful couple, blending the Snake's depth with the Dragon's fire.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Snake and Dragon make a convincing eight.)~";

constexpr std::string_view kDragonHorse =
    R"~(The Dragon and the Horse share a love of action, freedom and adventure, which makes them lively companions. The Dragon brings vision and charisma, and the Horse brings stamina, enthusiasm and a quick, independent spirit. They enjoy travel, sport and ambitious projects, and neither tries to clip the other's wings. Conversation between them is spirited and rarely dull. Some tension comes from the fact that both like to lead and both can be headstrong; the Dragon may expect admiration the Horse is too busy to offer, and the Horse may bolt when it feels controlled. Giving each other plenty of room and checking in regularly solves much of this. What remains is an energetic, forward-looking partnership in which two independent souls choose, again and again, to run side by side.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Dragon and the Horse rate a lively eight.)~";

constexpr std::string_view kHorseDragon =
    R"~(A Horse and a Dragon are a natural match for anyone who likes a fast pace. The Horse is free-spirited, sociable and always ready to go; the Dragon is bold, magnetic and full of big plans. Together they chase experiences and ideas with shared excitement, and each respects the other's need for independence. The Horse admires the Dragon's confidence, while the Dragon values the Horse's loyalty and tireless energy. Clashes are possible when both insist on their own way at the same moment, or when impatience flares on a bad day. Neither enjoys being told what to do, so choices go more smoothly when they are made together rather than handed down. With that understanding in place, the Horse and the Dragon enjoy a vibrant, passionate and adventurous relationship that seldom stands still.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Horse and Dragon race to a bright eight.)~";

constexpr std::string_view kDragonGoat =
    R"~(The Dragon and the Goat are quite different, but their differences can work in their favor. The Dragon is assertive, ambitious and outward-facing, while the Goat is gentle, artistic and tuned to feelings. The Dragon offers protection and direction, which the Goat appreciates, and the Goat offers tenderness and creativity, which soften the Dragon's sharper edges. The Dragon may sometimes find the Goat too dependent or moody, and the Goat may feel overlooked when the Dragon is busy conquering the world. Small gestures of appreciation go a long way here: a note, a quiet dinner, a word of thanks. If the Dragon makes time for the Goat's emotional needs and the Goat supports the Dragon's goals without feeling neglected, they can build a caring, well-balanced bond with a surprising amount of warmth.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dragon and Goat rate a fair seven.)~";

constexpr std::string_view kGoatDragon =
    R"~(When a Goat and a Dragon join forces, the Goat's sensitivity meets the Dragon's strength. The Goat is imaginative, kind and happiest in a peaceful setting; the Dragon is energetic, confident and drawn to challenges. The Goat is reassured by the Dragon's protective nature and can find new courage under its wing, while the Dragon is charmed by the Goat's grace and artistic flair. Frictions arise if the Dragon is too blunt or too absorbed in its ambitions, leaving the Goat feeling unimportant, or if the Goat's changing moods make the Dragon impatient. Each needs to value what the other contributes rather than wishing it were different. With understanding and steady affection, the Goat and the Dragon can create a relationship that is comforting, creative and quietly rewarding for both.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Goat and the Dragon arrive at a decent seven.)~";

constexpr std::string_view kDragonMonkey =
    R"~(The Dragon and the Monkey are one of the most celebrated pairings of the Chinese zodiac, and for good reason. Both are brilliant, energetic and optimistic. The Dragon brings vision, courage and charisma; the Monkey brings cleverness, resourcefulness and a sparkling sense of humor. The Monkey knows how to turn the Dragon's grand ideas into workable plans, and the Dragon gives the Monkey's talents a worthy cause. They never bore each other, they laugh often, and they share a gift for turning challenges into triumphs. In love, the chemistry is immediate and lasting; in friendship or business, they make a formidable team. Minor rivalries may surface, but mutual admiration quickly outweighs them. This is a joyful, dynamic union where each partner brings out the very best in the other.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dragon and Monkey score a perfect ten.)~";

constexpr std::string_view kMonkeyDragon =
    R"~(A Monkey and a Dragon share the same trine and fit together almost effortlessly. The Monkey is witty, inventive and endlessly curious; the Dragon is powerful, confident and full of ambition. The Monkey admires the Dragon's strength and boldness, while the Dragon delights in the Monkey's ingenuity and playful spirit. Together they feed each other's enthusiasm and solve problems with speed and flair. Their conversations crackle, their adventures multiply, and their trust in each other grows with every success they share. Even when the Monkey teases too much or the Dragon grows a little proud, affection and respect quickly restore harmony. Whether as lovers, friends or partners in an enterprise, these two form a bright, confident and deeply satisfying match that seems to get better with every year.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Monkey and the Dragon reach a flawless ten.)~";

constexpr std::string_view kDragonAnimaltwo =
    R"~(The Dragon and the Rooster make a striking and effective pair, and traditional lore names them secret friends. Both are confident, hardworking and proud of their achievements, and both like to present a strong image to the world. The Dragon supplies vision and daring, while the Rooster supplies precision, organization and an eye for detail. The Rooster keeps the Dragon's plans grounded, and the Dragon gives the Rooster's talents room to shine. They respect each other's competence, which is the foundation of a lasting bond. There may be occasional clashes of pride, since both like to be right, and the Rooster's critiques can sting the Dragon's ego. A sense of humor and a willingness to share the spotlight keep these moments brief. All in all, this is a dynamic, admiring and highly successful match.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dragon and Rooster earn a superb nine.)~";

constexpr std::string_view kAnimaltwoDragon =
    R"~(A Rooster and a Dragon work together like a well-tuned machine. The Rooster is meticulous, candid and disciplined; the Dragon is bold, inspiring and eager to pursue grand goals. The Rooster is impressed by the Dragon's courage, and the Dragon values the Rooster's reliability and practical know-how. In romance they enjoy an admiration that keeps the spark alive, and in partnership they achieve things neither could manage alone. Both care about appearances and status, so they are happy to build a life that looks as good as it feels. The only real risk is two strong egos competing for credit. If the Rooster tempers its criticism and the Dragon listens when the Rooster spots a flaw, their alliance becomes both affectionate and formidable, the kind of couple others turn to for advice.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Rooster and the Dragon enjoy an excellent nine.)~";

constexpr std::string_view kDragonDog =
    R"~(The Dragon and the Dog are a classic clash of the Chinese zodiac, placed six signs apart, and tradition ranks their relationship among the most challenging. The Dragon is grand, ambitious and sometimes extravagant, while the Dog is realistic, principled and suspicious of anything that looks like showing off. The Dog may see the Dragon as arrogant, and the Dragon may find the Dog pessimistic and critical. Arguments can quickly become battles of values rather than simple disagreements. Still, difficult does not mean impossible. If the Dragon learns to show humility and to respect the Dog's integrity, and the Dog learns to trust the Dragon's vision rather than doubting it, they can complement each other. It will take sincere, continuous effort and a lot of patience, but both partners are loyal at heart, and that is something to build on.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Dragon and the Dog manage only a two.)~";

constexpr std::string_view kDogDragon =
    R"~(A Dog and a Dragon face real obstacles, and it is best to be honest about them. The Dog is down-to-earth, cautious and deeply concerned with fairness; the Dragon is flamboyant, confident and used to taking charge. The Dog may feel the Dragon is more interested in glory than in doing what is right, while the Dragon may feel the Dog is forever raining on its parade. Both are stubborn, which makes compromise hard, and old grievances can resurface in every new quarrel. For this pairing to succeed, the Dog has to give the Dragon credit and encouragement, and the Dragon has to listen to the Dog's concerns instead of brushing them aside. That kind of work is demanding and never quite finished, yet when it is done, the two can balance idealism and realism in a meaningful way.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dog and Dragon come in at a challenging two.)~";

constexpr std::string_view kDragonPig =
    R"~(The Dragon and the Pig make an affectionate and generous pairing. The Dragon is driven and dazzling; the Pig is easygoing, kind and sincerely supportive. The Pig is happy to let the Dragon take the lead and genuinely celebrates its successes, while the Dragon protects the Pig and brings excitement into its comfortable world. Both are warm-hearted and enjoy life's pleasures, from lavish meals to memorable celebrations with friends. The Dragon must be careful not to take the Pig's good nature for granted or to push it too hard, and the Pig should speak up when it feels steamrolled rather than swallowing its hurt. With those adjustments, this is a mutually satisfying match, where the Dragon feels admired, the Pig feels cherished, and both feel they have found a generous ally.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Dragon and the Pig reach a pleasing eight.)~";

constexpr std::string_view kPigDragon =
    R"~(A Pig and a Dragon get along with remarkable ease. The Pig is honest, tolerant and full of goodwill, and the Dragon is confident, passionate and eager to achieve. The Pig's supportive nature gives the Dragon a secure base, and the Dragon's energy helps the Pig step out of its comfort zone and try new things. They share a love of generosity and good times, and neither holds grudges for long. The main watchpoint is balance: the Dragon can dominate, and the Pig can become too accommodating, so each should make sure the other's voice counts equally in decisions. When that balance is in place, this couple enjoys warmth, loyalty and a great deal of fun, with the Pig's kindness and the Dragon's fire making a very happy home.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Pig and Dragon reach a cheerful eight.)~";

constexpr std::string_view kSnakeSnake =
    R"~(Two Snakes understand each other on a level that outsiders rarely see. Both are intelligent, intuitive and discreet, with a taste for elegance and a preference for depth over small talk. They can spend hours in quiet companionship or in long, searching conversation, and they share a talent for planning and a love of the finer things. Their respect for each other runs deep, and they rarely need to explain themselves. The risks come from the very traits they share: both can be secretive, possessive and slow to forgive, so a misunderstanding may simmer silently for weeks while each waits for the other to crack. Deliberately bringing concerns into the open and giving each other the benefit of the doubt keeps the relationship healthy. With that openness, two Snakes enjoy a sophisticated, loyal and deeply satisfying partnership.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, two Snakes score a satisfying eight.)~";

constexpr std::string_view kSnakeHorse =
    R"~(The Snake and the Horse are intrigued by each other, yet their temperaments pull in very different directions. The Snake is deliberate, private and thoughtful; the Horse is spontaneous, sociable and impatient to move. The Snake may find the Horse restless and careless, and the Horse may feel the Snake is controlling or slow to act. The Snake's desire for closeness can clash with the Horse's need for freedom, leading to jealousy on one side and frustration on the other. This pairing can work if the Snake gives the Horse plenty of space and the Horse shows reliability and consideration in return. Shared interests, such as trips planned well in advance so that both the planner and the wanderer are satisfied, can help bridge the gap. Even so, it demands patience and continual compromise from both partners.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Snake and Horse come in at a modest four.)~";

constexpr std::string_view kHorseSnake =
    R"~(A Horse and a Snake often start with curiosity, but lasting harmony does not come easily. The Horse lives in the moment, acts on impulse and values independence above almost everything. The Snake reflects carefully, keeps its feelings close and wants a partner it can rely on completely. The Horse may interpret the Snake's watchfulness as suspicion, and the Snake may see the Horse's need to roam as a lack of commitment. Their ways of talking differ too: the Horse says everything on its mind, while the Snake reveals very little. To thrive, the Horse must prove its loyalty and slow down enough to listen, and the Snake must trust enough to loosen its grip. It is a relationship that can teach both partners a great deal about themselves, but only with serious and sustained effort.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Horse and the Snake rate a cautious four.)~";

constexpr std::string_view kSnakeGoat =
    R"~(The Snake and the Goat share an appreciation for beauty, art and a refined, comfortable life. The Snake brings wisdom, discernment and a steady hand with resources, and the Goat brings warmth, creativity and emotional sensitivity. The Snake can provide the security the Goat craves, and the Goat can draw the Snake out of its reserve with gentle affection. Both enjoy quiet evenings, thoughtful conversation and the pleasures of a well-kept home filled with lovely things. Difficulties arise if the Snake grows critical of the Goat's impracticality, or if the Goat feels the Snake is too cool or distant to reach. Expressing feelings openly and sharing responsibilities fairly helps them overcome these gaps. With care on both sides, the Snake and the Goat create a serene and cultured partnership.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Snake and Goat hold a steady seven.)~";

constexpr std::string_view kGoatSnake =
    R"~(A Goat and a Snake find common ground in their love of elegance and peace. The Goat is sweet-natured, artistic and seeks emotional closeness; the Snake is composed, insightful and appreciates the Goat's gentle charm. The Snake offers guidance and protection, while the Goat offers tenderness and an imagination that brightens the Snake's world. They both dislike chaos and prefer to build a cozy, tasteful life together, away from noise and crowds. Trouble comes when the Goat's need for reassurance meets the Snake's reticence, or when the Snake's careful planning clashes with the Goat's dreamy approach to money and time. If each makes an effort to understand the other's way of showing love, whether through words or through quiet acts, this becomes a gentle and rewarding pairing.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Goat and the Snake land on a comfortable seven.)~";

constexpr std::string_view kSnakeMonkey =
    R"~(The Snake and the Monkey are both exceptionally clever, and their first meetings can feel like a fascinating game of chess. Yet intelligence alone does not make a smooth partnership. The Snake is cautious, serious and suspicious of tricks; the Monkey is playful, impulsive and fond of testing boundaries. The Snake may distrust the Monkey's constant scheming, and the Monkey may find the Snake's secrecy and need for control stifling. Each tends to try to outwit the other, which breeds rivalry rather than closeness, and small slights are remembered long after they should be forgotten. For the relationship to flourish, both need to drop their guard, be transparent and channel their considerable brainpower into shared goals. With honesty and commitment it can work, but it requires ongoing attention.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Snake and Monkey settle at a guarded four.)~";

constexpr std::string_view kMonkeySnake =
    R"~(A Monkey and a Snake can dazzle each other with wit and insight, but trust is hard to establish. The Monkey is quick, restless and always ready with a new plan or joke; the Snake is measured, private and wary of anything that seems frivolous. The Monkey may feel watched and judged, while the Snake may feel the Monkey is never entirely serious or honest. Both are strategic thinkers, and rather than cooperating they can end up competing, each keeping a few cards hidden. The Monkey needs to show consistency and sincerity, and the Snake needs to relax its vigilance and accept a little unpredictability. When they manage this, their combined cleverness is impressive and can carry them far. Without it, the relationship can turn into a quiet contest of wills that neither truly wins.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Monkey and the Snake rate a wary four.)~";

constexpr std::string_view kSnakeAnimaltwo =
    R"~(The Snake and the Rooster belong to the same trine and make an excellent team. Both are intelligent, organized and ambitious, and they share a respect for quality, planning and hard work. The Snake contributes insight, strategy and calm judgment, while the Rooster brings diligence, precision and a talent for getting things done. They understand each other's need for order and appreciate each other's high standards. In romance, they enjoy a deep admiration and a shared vision of a polished, successful life. The Rooster's bluntness can occasionally ruffle the Snake, and the Snake's secrecy may puzzle the Rooster, but these differences are easily managed between two such capable minds. This is a harmonious, productive partnership built on respect and common goals, and it tends to flourish over the long run.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Snake and Rooster score a splendid nine.)~";

constexpr std::string_view kAnimaltwoSnake =
    R"~(A Rooster and a Snake form one of the zodiac's most capable alliances. The Rooster is hardworking, observant and proud of doing things properly; the Snake is wise, composed and gifted at seeing the bigger picture. The Rooster admires the Snake's intellect and poise, and the Snake values the Rooster's loyalty, honesty and energy. Together they plan carefully and follow through, achieving steady success in whatever they attempt, from a household budget to a shared business. They also share a taste for elegance and a well-run home. Small frictions may come from the Rooster's outspoken critiques or the Snake's reserve, but their deep compatibility makes these easy to work through. This is a confident, stable and mutually fulfilling bond in which both partners feel understood.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Rooster and the Snake shine at nine.)~";

constexpr std::string_view kSnakeDog =
    R"~(The Snake and the Dog get along surprisingly well, grounded in respect for each other's character. The Snake is thoughtful, strategic and reserved; the Dog is loyal, honest and principled. The Dog appreciates the Snake's wisdom and calm, and the Snake values the Dog's dependability and sincere heart. Both are serious about commitment and prefer a few deep relationships to a crowd of acquaintances. The Dog can help the Snake feel safe enough to open up, while the Snake can ease the Dog's anxieties with sound, level-headed advice. Occasionally the Dog may find the Snake's secrecy troubling, or the Snake may find the Dog's worrying tiresome, but frank conversation clears the air. This is a trustworthy, supportive and well-balanced match that tends to age gracefully.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Snake and Dog share a reassuring eight.)~";

constexpr std::string_view kDogSnake =
    R"~(A Dog and a Snake build their relationship on trust and quiet understanding. The Dog is faithful, fair-minded and protective; the Snake is perceptive, composed and intellectually sharp. The Dog feels reassured by the Snake's steady judgment, and the Snake is drawn to the Dog's integrity and devotion. Neither is flashy, and both prefer substance over show, which gives them a shared foundation for a serious, grown-up bond. The Dog's candor and the Snake's discretion can sometimes clash, and the Snake's possessiveness may test the Dog's patience. Still, both are loyal to the core and willing to work things out rather than walk away. Over time, this pair develops a solid partnership grounded in honesty, and each becomes the other's most trusted confidant.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Dog and the Snake achieve a sturdy eight.)~";

constexpr std::string_view kSnakePig =
    R"~(The Snake and the Pig face one another across the twelve-sign circle, a position that traditionally signals friction, and their outlooks differ sharply. The Snake is calculating, private and careful with trust; the Pig is openhearted, generous and trusting to a fault. The Snake may view the Pig as naive, while the Pig may find the Snake cold, secretive or manipulative. The Pig's easygoing approach to money and pleasure can frustrate the Snake's desire for control and careful planning. Making this pairing work calls for tolerance on both sides: the Snake must appreciate the Pig's sincerity and soften its suspicion, and the Pig must respect the Snake's need for privacy and structure. It is possible for them to meet in the middle, but both will need patience and a genuine willingness to learn from each other's very different nature.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Snake and the Pig reach a tentative four.)~";

constexpr std::string_view kPigSnake =
    R"~(A Pig and a Snake may be attracted to each other's differences, but sustaining a relationship is a challenge. The Pig is warm, trusting and eager to enjoy life; the Snake is reflective, guarded and strategic. The Pig shares its heart freely and may feel hurt when the Snake keeps its own feelings hidden. The Snake, in turn, may grow impatient with the Pig's indulgence or see its openness as a lack of caution. Misunderstandings can pile up without either partner meaning any harm. Success depends on both partners making conscious efforts: the Pig must give the Snake room and respect its caution, and the Snake must show more warmth and let the Pig in. With that, they can find a middle path, but it is not an effortless match and both should go in with open eyes.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Pig and Snake earn a hesitant four.)~";

constexpr std::string_view kHorseHorse =
    R"~(Two Horses together make an energetic, adventurous and fun-loving duo. Both crave freedom, excitement and variety, and they understand each other's need for space better than anyone else could. They enjoy travel, sport, lively gatherings and spontaneous plans, and their conversations are frank and full of laughter. Because neither tries to tie the other down, the relationship feels light and refreshing even after many years. The challenge is that both can be impatient, hot-tempered and quick to lose interest in routine tasks. Someone has to handle the bills, the paperwork and the long-term planning, and neither volunteers eagerly. If they split those duties fairly and give each other a cooling-off period after an argument, two Horses can enjoy a joyful, spirited partnership that keeps them both happily on the move.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, two Horses have a healthy score of eight.)~";

constexpr std::string_view kHorseGoat =
    R"~(The Horse and the Goat complement each other beautifully; old astrological lore pairs them as secret friends who share a natural affinity. The Horse is lively, independent and hardworking, while the Goat is gentle, creative and nurturing. The Horse provides energy and a sense of direction, and the Goat provides emotional warmth and a comfortable home to come back to. The Horse appreciates the Goat's kindness and artistic spirit, and the Goat finds security in the Horse's confidence and drive. The Horse may occasionally be too blunt or restless for the sensitive Goat, and the Goat's shifting moods can puzzle the Horse, but both forgive readily and neither holds a grudge. When they give each other both freedom and tenderness, this becomes a warm, balanced and genuinely happy union.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Horse and the Goat share a happy eight.)~";

constexpr std::string_view kGoatHorse =
    R"~(A Goat and a Horse fit together with an ease that surprises many. The Goat is tender, imaginative and devoted to comfort; the Horse is energetic, cheerful and eager to explore. The Goat is drawn to the Horse's confidence and feels protected by its strength, while the Horse is soothed by the Goat's gentleness and charmed by its creativity. They balance each other well: the Horse pulls the Goat out into the wider world, and the Goat gives the Horse a place to rest when the gallop is over. Occasional friction comes when the Horse is away too often or the Goat needs more reassurance than the Horse thinks to offer. Thoughtful attention resolves this quickly. In love and friendship alike, these two enjoy a harmonious and affectionate connection that feels natural to both.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Goat and Horse enjoy a lovely eight.)~";

constexpr std::string_view kHorseMonkey =
    R"~(The Horse and the Monkey are both energetic, sociable and quick-witted, so they usually have fun together. They enjoy adventures, jokes and lively conversation, and neither wants a dull routine. Yet beneath the shared enthusiasm lie real differences. The Horse is direct and straightforward, while the Monkey likes to scheme, tease and keep its options open. The Horse may feel the Monkey is not entirely honest, and the Monkey may find the Horse too blunt or impatient for subtle play. Both are restless, which can mean neither takes responsibility for the practical side of life, and chores or bills may slip through the cracks. With clear communication and a firm commitment to honesty, this pair can build a spirited partnership, but it needs steady attention to stay on course.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Horse and the Monkey settle on five.)~";

constexpr std::string_view kMonkeyHorse =
    R"~(A Monkey and a Horse are lively companions who rarely run out of things to do. The Monkey is inventive, curious and mischievous; the Horse is free-spirited, candid and full of energy. They share a love of excitement and social life, and their early days together can be thrilling, full of outings and late-night talk. Over time, though, their styles may clash. The Monkey's cleverness and taste for games can frustrate the straightforward Horse, and the Horse's temper or impatience can unsettle the Monkey. Both crave independence, which is good for giving each other space but can leave their commitment vague. If they agree on common goals and practice being transparent with each other, the Monkey and the Horse can strike a workable balance of freedom and loyalty, though it takes more care than their easy first months suggest.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Monkey and Horse come out at a fair five.)~";

constexpr std::string_view kHorseAnimaltwo =
    R"~(The Horse and the Rooster can make a workable and often lively team. Both are hardworking, confident and fond of being admired, and both speak their minds. The Horse brings spontaneity and enthusiasm, while the Rooster brings organization, attention to detail and discipline. The Rooster can help the Horse channel its energy productively, and the Horse can help the Rooster loosen up and enjoy the moment. On the downside, the Rooster's critiques may irritate the freedom-loving Horse, and the Horse's impulsiveness can offend the Rooster's sense of order. Both have quick tempers, so disagreements can flare fast. If they soften their bluntness with kindness and respect each other's different methods, they can develop a fairly steady and rewarding partnership with plenty of spark.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Horse and Rooster earn a reasonable six.)~";

constexpr std::string_view kAnimaltwoHorse =
    R"~(A Rooster and a Horse bring plenty of energy and candor to their relationship. The Rooster is precise, proud and dedicated to doing things properly; the Horse is outgoing, adventurous and happiest when it is on the move. The Rooster admires the Horse's vitality, and the Horse appreciates the Rooster's reliability and practical skill. Their main difficulty is pace and method: the Rooster wants plans and punctuality, while the Horse prefers to improvise and see what happens. Frank words can fly on both sides, and neither enjoys backing down. If the Rooster accepts that not everything must be perfect and the Horse learns to honor its commitments, the two can find a good rhythm and enjoy a partnership with genuine respect and more than a little fun.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Rooster and the Horse make a fair-to-good six.)~";

constexpr std::string_view kHorseDog =
    R"~(The Horse and the Dog, members of the same trine, are one of the zodiac's most natural matches. The Horse is lively, generous and independent; the Dog is loyal, honest and fair-minded. The Dog respects the Horse's freedom and never tries to cage it, and the Horse values the Dog's steadiness and sincerity. They share a strong sense of idealism and a love of adventure, and they are truthful with each other to the core. The Dog's occasional worry is eased by the Horse's optimism, and the Horse's restlessness is grounded by the Dog's dependability. Misunderstandings are few and easy to mend, since neither hides its feelings for long. In love, friendship or work, this is a trusting, joyful and lasting partnership that brings out the best in both.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Horse and the Dog gallop to a wonderful nine.)~";

constexpr std::string_view kDogHorse =
    R"~(A Dog and a Horse share a deep natural bond. The Dog is faithful, principled and protective; the Horse is vibrant, open and eager for experience. The Dog gives the Horse the trust and space it needs, and the Horse gives the Dog cheerful encouragement and a sense of fun that lightens its load. Both are straightforward, with little patience for deceit, so communication between them is clear and honest. Their shared sense of justice and adventure brings them together on causes and journeys alike. The Horse may sometimes be too impulsive for the Dog's comfort, and the Dog's anxieties may puzzle the carefree Horse, but goodwill flows easily between them and disagreements pass quickly. This is a loyal, spirited and deeply compatible match.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dog and Horse enjoy a heartening nine.)~";

constexpr std::string_view kHorsePig =
    R"~(The Horse and the Pig can form a pleasant and easygoing bond. The Horse is energetic, sociable and adventurous, while the Pig is good-natured, generous and fond of comfort. They both enjoy good company and life's pleasures, and the Pig's warmth makes the Horse feel appreciated. The Horse brings excitement into the Pig's world, and the Pig brings kindness and tolerance into the Horse's. Problems arise when the Horse's restlessness leaves the Pig feeling neglected, or when the Pig's love of comfort seems sluggish to the Horse. The Horse can also be careless with the Pig's tender feelings without meaning to be. With mutual consideration and some compromise about pace, this pairing can be cheerful and reasonably stable, a friendship or romance with more smiles than storms.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Horse and the Pig earn a moderate six.)~";

constexpr std::string_view kPigHorse =
    R"~(A Pig and a Horse generally get along in good humor. The Pig is generous, trusting and laid-back; the Horse is spirited, outspoken and always ready for something new. The Pig enjoys the Horse's zest for life, and the Horse appreciates the Pig's easygoing acceptance. Together they can have a great deal of fun, from long meals to impromptu weekends away. Over the long term, however, their rhythms may diverge: the Horse wants constant movement and independence, while the Pig prefers a settled home and close companionship. The Horse's bluntness can also wound the sensitive Pig. If the Horse makes time for shared comforts and the Pig accepts the Horse's need for freedom, they can enjoy a friendly and fairly harmonious relationship.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Pig and Horse arrive at a friendly six.)~";

constexpr std::string_view kGoatGoat =
    R"~(Two Goats together create a gentle, affectionate and deeply creative relationship. Both are kind-hearted, artistic and emotionally attuned, and they understand each other's sensitivities with little need for explanation. Their home is likely to be beautiful, filled with music, art, plants and soft comforts, and their days are marked by tenderness and mutual care. Each partner feels accepted and cherished for exactly who it is. The challenge is practicality: both may dislike dealing with finances, deadlines and hard decisions, and both can become anxious or moody under pressure. Supporting each other through worries, taking turns at the dull chores and perhaps enlisting a trusted friend for practical advice keeps their life on track. With that, two Goats share a nurturing, harmonious partnership full of everyday beauty. On the compatibility scale of one to ten, two Goats enjoy a heartfelt nine.)~";

constexpr std::string_view kGoatMonkey =
    R"~(The Goat and the Monkey can bring out each other's playful side, but a lasting match asks for effort. The Goat is gentle, imaginative and emotionally sensitive; the Monkey is clever, lively and mischievous. The Monkey's humor can lift the Goat's spirits on a gray day, and the Goat's creativity can fascinate the ever-curious Monkey. However, the Monkey's restlessness and love of games may leave the Goat feeling insecure, and the Goat's need for reassurance can seem clingy to the independent Monkey. Practical matters may also be neglected, since neither is naturally fond of routine or planning. If the Monkey offers steadiness and the Goat builds its own confidence, they can keep their affection alive, though it requires an ongoing and sometimes tiring balance of freedom and closeness.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Goat and the Monkey hold at five.)~";

constexpr std::string_view kMonkeyGoat =
    R"~(A Monkey and a Goat share a creative spark and can have plenty of fun together. The Monkey is quick-witted, adventurous and full of ideas; the Goat is artistic, tender and attuned to beauty. The Monkey enjoys entertaining the Goat, and the Goat enjoys the Monkey's lively mind and clever stories. Their differences become apparent over time: the Monkey wants excitement and freedom, while the Goat seeks security and emotional closeness. The Monkey's pranks can sometimes hurt the Goat's feelings more than intended, and the Goat's worries can dampen the Monkey's mood. With patience, reassurance and a shared effort to manage everyday responsibilities such as money and household tasks, these two can build a pleasant, if sometimes uneven, partnership in which laughter and tenderness both have a place.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Monkey and Goat meet at the midpoint of five.)~";

constexpr std::string_view kGoatAnimaltwo =
    R"~(The Goat and the Rooster have very different approaches to life, which can create both attraction and tension. The Goat is dreamy, gentle and sensitive; the Rooster is practical, precise and outspoken. The Rooster can provide the structure and stability that the Goat may lack, and the Goat can bring warmth and artistry to the Rooster's orderly world. However, the Rooster's critical remarks can wound the Goat deeply, and the Goat's indecision or emotional ups and downs may frustrate the Rooster, who likes clear answers. For this pairing to thrive, the Rooster needs to soften its words and praise more often, and the Goat needs to stand firmer and say what it wants. With understanding and effort from both, they can reach a workable balance between feeling and order.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Goat and the Rooster score an average five.)~";

constexpr std::string_view kAnimaltwoGoat =
    R"~(A Rooster and a Goat can complement each other if they learn to respect their differences. The Rooster is organized, industrious and direct; the Goat is imaginative, kind and guided by feelings. The Rooster's practicality can help the Goat feel secure, and the Goat's creativity and tenderness can soften the Rooster's brisk manner. Yet misunderstandings come easily. The Rooster may judge the Goat as impractical or vague, and the Goat may experience the Rooster's honesty as harshness. Both must be patient: the Rooster by expressing appreciation more often and criticism less, and the Goat by communicating its needs clearly instead of hoping they will be guessed. With those efforts, the pairing can become reasonably harmonious, each partner supplying something the other genuinely lacks.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rooster and Goat rate a middle-of-the-road five.)~";

constexpr std::string_view kGoatDog =
    R"~(The Goat and the Dog often struggle to find common ground. The Goat is gentle, creative and emotionally expressive, while the Dog is loyal, principled and inclined to worry. The Dog may see the Goat as impractical or self-indulgent, and the Goat may find the Dog too critical or gloomy. Both can be anxious, which means they may feed each other's fears instead of calming them, and a small concern can grow into a shared cloud. Still, both are kind at heart and value a secure home and faithful love. If the Dog offers reassurance without judgment and the Goat makes an effort to be dependable and consistent, they can slowly build trust. It will not be an effortless relationship, but patience, humor and goodwill can make it work better than the odds suggest.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Goat and the Dog reach a tough four.)~";

constexpr std::string_view kDogGoat =
    R"~(A Dog and a Goat have good intentions toward each other, yet their temperaments often clash. The Dog is honest, dutiful and serious about its principles; the Goat is sensitive, artistic and drawn to comfort. The Dog may grow impatient with the Goat's moodiness and lack of practicality, while the Goat may feel criticized or misunderstood by the Dog's bluntness. Both tend toward worry, and together they may spiral into anxiety over money, the future or each other. The relationship benefits from deliberate optimism and gentle communication, along with regular time spent simply enjoying life. If the Dog focuses on the Goat's strengths and the Goat makes a real effort to meet the Dog's need for reliability, they can find a workable harmony, though it will take steady work.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dog and Goat score a challenging four.)~";

constexpr std::string_view kGoatPig =
    R"~(The Goat and the Pig, fellow members of the same trine, form a warm and deeply compatible pair. Both are kind, generous and devoted to the comforts of home and the happiness of those they love. The Goat brings creativity, sensitivity and a gentle charm; the Pig brings good humor, tolerance and a big heart. They understand each other's emotional needs instinctively and rarely quarrel, and when they do, they make up with a hug and a shared meal. Together they enjoy art, food, friends and the simple pleasures of life. The only caution is that both can be indulgent and avoid hard decisions, so planning and budgeting deserve a little attention now and then. Otherwise, this is a loving, supportive and truly harmonious relationship.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Goat and the Pig score a delightful nine.)~";

constexpr std::string_view kPigGoat =
    R"~(A Pig and a Goat share a tender and affectionate bond. The Pig is warm, sincere and easygoing; the Goat is gentle, imaginative and attentive to feelings. The Pig provides steady support and cheerful encouragement, while the Goat adds beauty and sensitivity to their shared life. Both value peace, generosity and a cozy home, and they go out of their way to make each other happy with small surprises and thoughtful gestures. Disagreements are rare and softly resolved. Their main risk is a shared fondness for comfort that can lead to overspending, overindulging or putting off what must be done. With a little discipline and a simple plan for the future, these two enjoy a nurturing, joyful and enduring partnership that friends often envy.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Pig and Goat enjoy a blissful nine.)~";

constexpr std::string_view kMonkeyMonkey =
    R"~(Two Monkeys together make a brilliant, fun-loving and endlessly inventive couple. Both are clever, curious and quick to laugh, and they understand each other's restless energy perfectly. They share a love of games, puzzles, new ideas and adventures, and life with them is never boring. As a team they can be remarkably resourceful, solving problems with flair and turning setbacks into clever opportunities. The main risk is that both love to play tricks and may compete to outsmart each other, or that neither wants to focus on long-term commitments and the dull details they require. Keeping honesty at the center of the relationship and sharing responsibilities evenly provides the stability they need. With that, two Monkeys enjoy a lively, joyful and highly compatible partnership.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, two Monkeys swing to a bright nine.)~";

constexpr std::string_view kMonkeyAnimaltwo =
    R"~(The Monkey and the Rooster may admire each other's abilities, but their relationship often involves friction. The Monkey is playful, inventive and flexible; the Rooster is methodical, serious and precise. The Rooster may see the Monkey's antics as irresponsible, while the Monkey may find the Rooster rigid and overly critical. Both are proud and like to be right, which can turn small disagreements into contests. Still, they can learn from each other: the Monkey can teach the Rooster to relax and laugh at life, and the Rooster can help the Monkey stay organized and finish what it starts. With mutual respect and patience, this pairing can work, but it requires conscious effort and a willingness on both sides to admit when the other has a point.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Monkey and the Rooster reach an uneasy four.)~";

constexpr std::string_view kAnimaltwoMonkey =
    R"~(A Rooster and a Monkey may be impressed by each other's talents, yet harmony does not come naturally. The Rooster is disciplined, exacting and straightforward; the Monkey is quick, witty and fond of mischief. The Rooster may feel the Monkey cannot be relied upon, and the Monkey may feel stifled by the Rooster's rules and running commentary. Both have strong egos and enjoy the spotlight, which can lead to rivalry rather than teamwork. For this relationship to succeed, the Rooster should show more flexibility and humor, and the Monkey should demonstrate consistency and sincerity over time. With these efforts, they can develop genuine respect, and their combined skills, the Rooster's diligence and the Monkey's ingenuity, can then become a real asset.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Rooster and Monkey manage a shaky four.)~";

constexpr std::string_view kMonkeyDog =
    R"~(The Monkey and the Dog make a surprisingly solid match. The Monkey is clever, sociable and adaptable, while the Dog is loyal, honest and dependable. The Dog's sincerity helps ground the Monkey, and the Monkey's humor and optimism lift the Dog's spirits whenever it starts to worry. They respect each other's strengths: the Monkey admires the Dog's integrity, and the Dog appreciates the Monkey's quick mind and practical problem-solving. The Dog may sometimes question the Monkey's schemes, and the Monkey may find the Dog a little too serious, but their goodwill usually prevails. Both are generous with friends and quick to help in a crisis. This is a supportive, fun and trustworthy partnership that works well in love, friendship and business alike.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Monkey and the Dog earn a sound eight.)~";

constexpr std::string_view kDogMonkey =
    R"~(A Dog and a Monkey build a friendly and dependable relationship. The Dog is faithful, fair and protective; the Monkey is witty, resourceful and full of energy. The Dog finds the Monkey entertaining and clever, and the Monkey appreciates the Dog's honesty and steadfast loyalty. Together they balance each other well: the Dog provides stability and a moral compass, and the Monkey brings fun, creativity and fresh solutions. Occasional tension may arise if the Dog suspects the Monkey of playing games, or if the Monkey finds the Dog too cautious to try anything new. Open communication keeps trust strong, and both are willing to talk things through. This is a cheerful and harmonious pairing in which each partner makes the other's world a little better.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Dog and Monkey land a trusty eight.)~";

constexpr std::string_view kMonkeyPig =
    R"~(The Monkey and the Pig can enjoy a warm and cheerful relationship. The Monkey is clever, lively and adventurous; the Pig is kind, generous and easygoing. The Pig's good nature and tolerance make it easy for the Monkey to relax and drop its guard, and the Monkey's wit and energy bring excitement and variety to the Pig's life. Both enjoy good company, good food and a bit of fun. The Monkey must be careful not to take advantage of the Pig's trusting heart, even in jest, and the Pig should be honest when it feels overlooked instead of quietly putting up with it. With respect and kindness flowing both ways, this pairing can be quite happy, combining the Monkey's sparkle with the Pig's warmth in a way that suits them both.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Monkey and the Pig score a cheerful seven.)~";

constexpr std::string_view kPigMonkey =
    R"~(A Pig and a Monkey often get along with good humor and mutual appreciation. The Pig is warm, sincere and accepting; the Monkey is quick, inventive and full of surprises. The Pig enjoys the Monkey's cleverness and stories, and the Monkey is charmed by the Pig's generosity and openness. Together they can have a lot of fun, whether hosting friends or trying something new. However, the Pig's trusting nature can make it vulnerable to the Monkey's tricks, and the Monkey may grow restless with the Pig's love of comfort and slower pace. If the Monkey shows loyalty and the Pig sets clear boundaries, they can build a happy and balanced partnership where the Pig feels respected and the Monkey feels free.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, Pig and Monkey reach a warm seven.)~";

constexpr std::string_view kDogDog =
    R"~(Two Dogs share a loyal, honest and deeply principled relationship. Both value fairness, commitment and a sense of security, and they understand each other's protective instincts without needing to explain them. They make trustworthy friends and devoted partners, and they tend to stand firmly together against any outside challenge. Their home is usually a safe, orderly place where promises are kept. However, both can be prone to worry, pessimism and stubbornness, which may create a heavy atmosphere at times, especially when life gets stressful. Neither likes to back down once it has taken a position on principle. Making room for fun, optimism and relaxation helps keep the bond light. With mutual encouragement, two Dogs enjoy a steady, faithful and reassuring partnership.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, two Dogs make a dependable seven.)~";

constexpr std::string_view kDogPig =
    R"~(The Dog and the Pig get along with warmth and sincerity. The Dog is loyal, responsible and honest; the Pig is generous, good-natured and accepting. The Pig's easygoing optimism soothes the Dog's worries, and the Dog's protective nature makes the Pig feel safe in a world that sometimes takes advantage of its kindness. Both dislike pretense, which builds trust between them from the very beginning. The Dog may sometimes be too critical or serious for the relaxed Pig, and the Pig may be too indulgent for the disciplined Dog, especially when it comes to money. Their shared kindness usually smooths these differences. As friends, lovers or colleagues, this pair offers each other comfort, honesty and a steady kind of affection.)~" "\r\n\r\n"
    R"~(On the compatibility scale of one to ten, the Dog and the Pig come to a kindly seven.)~";

constexpr std::string_view kPigDog =
    R"~(A Pig and a Dog share a kind and trustworthy bond. The Pig is warm, tolerant and generous to a fault; the Dog is devoted, upright and watchful. The Pig brings cheer and a forgiving spirit that helps the Dog let go of its anxieties, while the Dog offers loyalty and a firm sense of right and wrong that keeps the Pig from being exploited. Neither plays games, so both know where they stand. Friction may appear when the Pig's love of pleasure collides with the Dog's sense of duty, or when the Dog's sharp words hurt the tender Pig. A little flexibility on both sides goes a long way. Overall, this is a sincere, affectionate and dependable match with a great deal of goodwill.)~" "\r\n\r\n"
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
