#include "content/MoonPairTexts.h"
// Written for this program; every text is its own.
namespace content {
namespace {

constexpr std::string_view kAriesAries =
    R"~(Two Aries Moons make a household that runs on adrenaline and honesty. Each of you feels things fast, says them faster, and expects the other to keep up, which is thrilling in the early days and occasionally exhausting later on. Your quarrels flare like struck matches and burn out just as quickly, and neither of you holds a grudge for long, so the air has usually cleared by dinner. In love you bring courage and spontaneity, though you may both wait for the other to be the one who slows down and listens. Around the house, expect half-finished projects and a shared dislike of routine chores. At work you push each other to compete and win. With money you both lean toward impulse buys, so agree on one simple rule, such as a waiting day before any large purchase, and take turns being the patient one.)~";

constexpr std::string_view kAriesTaurus =
    R"~(Mars rules the Aries Moon and Venus the Taurus Moon, and that old pairing gives this couple a warm, physical chemistry along with a real difference in speed. Whoever has the Aries Moon feels a spark and wants to act on it tonight; the Taurus partner needs time, comfort and proof that nothing will be torn up overnight. Treat the gap as a resource: one of you supplies momentum, the other ground to stand on. In love, Taurus gives the steady affection Aries rarely admits to craving, and Aries keeps Taurus from sinking into sameness. At home Taurus wants a cozy, well-stocked nest and Aries wants to rearrange it on a whim, so agree which rooms are open to experiment. At work you pair a fast start with a patient finish. One of you spends on excitement and the other saves for security, so a joint budget with a little free money for each keeps things friendly.)~";

constexpr std::string_view kAriesGemini =
    R"~(Restless, lively emotional weather runs through both of you, and it makes for an easy, playful bond. The Aries Moon reacts with heat and directness, the Gemini Moon with words, questions and a quick change of subject, and together you rarely get bored. Arguments tend to turn into debates that one of you enjoys more than the other admits. In love you flirt, tease and keep things light, though deeper feelings can get talked around rather than felt through, so set aside quiet moments for what is really going on underneath. Home may be busy with friends, hobbies and a dozen open browser tabs. At work you are a brilliant pair for launching ideas, less so for finishing them. Financially you can both be scattered, so automate the bills and save the clever money-making schemes for weekends.)~";

constexpr std::string_view kAriesCancer =
    R"~(Strong feelings run through both an Aries Moon and a Cancer Moon, but they defend themselves in opposite ways, which makes this one of the harder pairings to live with. Both are cardinal signs, so each wants to set the direction. Aries charges ahead and clears the air with a blunt remark; Cancer pulls back into its shell and remembers that remark for a long time. Aries grows impatient with moods it cannot fix quickly, and Cancer feels trampled by a partner who moves on before the hurt has been heard. Arguments rarely resolve cleanly. There are honest bright spots: both of you are loyal and protective, and when family is threatened you stand together fiercely. Cancer needs a gentle tone; Aries needs freedom and a partner who does not sulk. At home, small rituals kept faithfully earn real goodwill. At work, Aries takes the risks and Cancer guards the team. Money runs better when Cancer holds the savings and Aries has a fixed allowance.)~";

constexpr std::string_view kAriesLeo =
    R"~(Warmth between an Aries Moon and a Leo Moon is usually felt at the first meeting: both are fire signs, proud, generous and hungry to feel alive. The Aries partner needs action, independence and a quick response; the Leo partner needs admiration, loyalty and a sense of being treasured. When Aries remembers to applaud and Leo lets Aries run ahead now and then, the chemistry stays bright for years. Pride is the one real hazard, since neither of you likes to apologize first, so agree on a private word that means "let's start over." At home you love hosting and turning birthdays into events. At work you can lead side by side and inspire everyone around you, as long as you share the stage. Both of you enjoy spending on pleasure, so plan the big treats together, and the budget will hold up as well as the romance does.)~";

constexpr std::string_view kAriesVirgo =
    R"~(At a glance an Aries Moon and a Virgo Moon make an unlikely pair, yet once you understand the friction between them you can work surprisingly well together. The Aries Moon feels first and sorts things out later; the Virgo Moon analyzes, worries and tries to fix whatever it feels. Aries may find Virgo's caution deflating, and Virgo may find Aries careless with details that matter. Yet Virgo quietly improves the plans Aries dreams up, and Aries pulls Virgo out of overthinking and back into living. In love, Virgo shows care through practical help rather than grand gestures, which Aries should learn to read as real devotion. Under one roof, one of you leaves a trail and the other tidies it, so divide the chores by clear agreement. At work this is a strong team of initiator and finisher. With money, let Virgo track the numbers and let Aries negotiate the deals.)~";

constexpr std::string_view kAriesLibra =
    R"~(Opposite signs, an Aries Moon and a Libra Moon feel a strong pull toward each other and an equally strong friction once daily life begins. Both are cardinal, so each wants to set the course. Aries acts on its own terms; Libra feels through others and wants peace at nearly any price. Aries may find Libra evasive and slow to commit, while Libra may find Aries selfish, abrupt and careless of other people's feelings. Libra tends to hide irritation until it spills out all at once, which catches Aries off guard. The bright spots: Mars and Venus rule these two signs, so the attraction is real, and each can teach the other something, Aries how to state a need, Libra how a softer tone wins more. At home, Libra wants beauty and calm, Aries freedom and space. At work you negotiate well as a pair. Aries decides in a minute and Libra in weeks, so agree on a process for big purchases.)~";

constexpr std::string_view kAriesScorpio =
    R"~(An Aries Moon and a Scorpio Moon share a streak of passion and a fighter's spirit, though they fight in different ways. Aries erupts and forgets; Scorpio goes quiet, watches, and does not forget. This pair can be intensely attracted and fiercely protective, but trust has to be built carefully. Scorpio needs depth, privacy and total loyalty, while Aries needs freedom and a partner who will not interrogate it. The chemistry between you is strong and the making-up can be dramatic. At home, set clear boundaries around personal space and shared secrets. At work both of you are determined and hate losing, which is powerful when you face the same direction and draining when you compete with each other. Scorpio prefers control and hidden reserves, so keep your finances transparent to avoid suspicion creeping in.)~";

constexpr std::string_view kAriesSagittarius =
    R"~(Life together feels like an ongoing adventure, because you share a fiery, optimistic emotional nature. Aries brings urgency and courage, Sagittarius brings humor, curiosity and a wide horizon, and neither of you wants to be fenced in. Emotional honesty comes easily, sometimes too easily, since both can speak before thinking and bruise without meaning to. As lovers you are playful companions who keep each other young, though you may need to make an effort to stay put long enough to go deep. Home can feel like a base camp between trips, full of gear and half-unpacked bags. At work you motivate each other and love a big goal. Money is your weak spot: both of you trust that luck will provide, so build a modest safety fund before booking the next journey.)~";

constexpr std::string_view kAriesCapricorn =
    R"~(Sprinter and climber: that is how an Aries Moon and a Capricorn Moon approach the same goal. Both are cardinal signs and both want to get somewhere, but Aries acts on feeling and wants the result by Friday, while Capricorn keeps its emotions in check and plans five years ahead. At first Aries may read Capricorn as cold, and Capricorn may read Aries as reckless. Give it time and a workable balance appears: Capricorn lends structure to bursts of Aries energy, and Aries teaches Capricorn that a spontaneous evening will not bring the house down. Capricorn proves devotion through effort rather than speeches, and Aries should learn to hear it, just as Capricorn should welcome the loud warmth Aries offers. At home, a few shared rules keep Capricorn calm and Aries free. At work you can build a lot together. With money, let Capricorn set the plan and Aries spot the bold opening.)~";

constexpr std::string_view kAriesAquarius =
    R"~(Independence matters to each of you, and that shared need for breathing room gives your bond an easy, friendly quality. The Aries Moon is hot and impulsive, the Aquarius Moon cooler and more detached, yet both dislike clinginess and enjoy a partner who has a life of their own. Aries may sometimes want more emotional heat than Aquarius naturally shows, and Aquarius may want to discuss a feeling that Aries has already acted on. You are best friends first, with plenty of shared causes and surprises. Expect unusual living arrangements and a relaxed attitude to convention. At work, Aquarius dreams up the idea and Aries charges at it. Neither of you is very sentimental about money, but agree on a few shared goals so that separate spending does not drift into separate lives.)~";

constexpr std::string_view kAriesPisces =
    R"~(Where the zodiac ends with Pisces it begins again with Aries, and a couple with these two Moons often feels that same mix of closeness and contrast. The Aries partner is direct, quick and self-starting; the Pisces partner is soft, intuitive and absorbs every mood in the room. There is a real pull between you: Pisces awakens a protective tenderness in Aries, and Aries gives Pisces the courage to act on its dreams. There is real risk too, because a blunt Aries remark can wound Pisces deeply, and Pisces tends to drift away without explaining why. The pairing thrives when Aries slows down and Pisces speaks up, and patience from Aries is repaid with devotion and imagination. At home, Pisces needs quiet corners and Aries an outlet for energy. At work, Pisces senses what people need and Aries makes it happen. Both of you can be impulsive with money, so keep a simple plan together.)~";

constexpr std::string_view kTaurusTaurus =
    R"~(Comfort, security and steady routine are what two Taurus Moons understand in each other, but that very sameness makes this a hard, heavy match. Both of you are fixed and slow to change, so when you disagree, nobody budges, and a small dispute can harden into weeks of stubborn silence. Life can also settle into a rut, with the same meals, the same evenings and the same unspoken resentments, until the relationship feels more like habit than love. There are bright spots: Venus, the ruler of Taurus, gives you both a warm, sensual streak, and you are loyal once committed, so affection and good food can carry you through lean times. Learn to raise a problem early, while it is still small enough to move. At home you will be comfortable but may resist every change. At work you are patient and dependable. You both save, yet possessiveness over who owns what can cause friction, so keep accounts clear.)~";

constexpr std::string_view kTaurusGemini =
    R"~(Slow and steady meets quick and changeable here, and finding a shared rhythm takes real effort from both of you. A Taurus Moon feels deeply, takes its time and wants to know where it stands; a Gemini Moon feels in flashes, craves variety and works through emotion by talking it over from every angle. The Taurus partner can come to see Gemini as flighty or evasive, while the Gemini partner can find Taurus heavy, possessive or stuck. The bright spot is that each holds what the other lacks: Gemini brings laughter and fresh ideas into a settled life, and Taurus offers a calm harbor after a scattered week. Learn each other's language of love, touch and reliability for one, conversation and novelty for the other. At home, Taurus keeps the routines and Gemini fills the calendar. At work, Gemini pitches and Taurus delivers. Money is a frequent sore point, so let saving follow the Taurus instinct while Gemini hunts for new income.)~";

constexpr std::string_view kTaurusCancer =
    R"~(Safety, home and belonging are the deepest longings you both carry, and they make your bond one of the most naturally nurturing combinations. The Taurus Moon offers steadiness and physical comfort; the Cancer Moon offers tenderness, memory and emotional attentiveness. Cancer's moods rise and fall, and Taurus can stay calm through them, which Cancer finds deeply reassuring. You show affection through care, cooking and small familiar rituals. Home is the center of your shared life, likely filled with heirlooms, good food and perhaps a growing family. The risk is that together you become so snug that you avoid change or outside challenge. At work you are loyal and protective colleagues. Both of you save and value security, so joint finances tend to grow steadily over time.)~";

constexpr std::string_view kTaurusLeo =
    R"~(A Taurus Moon and a Leo Moon both love luxury, loyalty and warmth, but both are also fixed and proud. Taurus needs stability and physical comfort; Leo needs admiration, play and the feeling of being special. When things go well, you are a glamorous and devoted couple who enjoy the finer things together. When things go wrong, both of you dig in and wait for the other to give way. In love, Leo should not mistake the quiet affection of Taurus for indifference, and Taurus should remember to praise Leo out loud. You both enjoy beautiful surroundings, though Leo may want to entertain more often than Taurus likes. Once committed to a job, you are solid and dependable. Money can be tense, since Leo spends for show and Taurus for lasting value, so agree on what counts as worth it.)~";

constexpr std::string_view kTaurusVirgo =
    R"~(Few pairings feel as settled from the start as a Taurus Moon beside a Virgo Moon. Both are earth signs, both feel safest when life is practical and predictable, and both of you show love by doing rather than declaring. Taurus brings patience, warmth and easy sensuality; Virgo brings thoughtfulness, a fine eye for detail and a wish to be useful. Virgo's worries dissolve in the calm of Taurus, and Virgo helps Taurus face the chores it would rather leave alone. The romance is quiet but deep, built on reliability and small, well-chosen gestures. Your home runs smoothly; the only friction is that Virgo may fuss and Taurus may tune it out. At work you form an efficient, trustworthy team that others rely on. Money is a shared strength, and you can build real security as long as you also let yourselves enjoy it.)~";

constexpr std::string_view kTaurusLibra =
    R"~(Venus rules both Taurus and Libra, so the emotional life you share is colored by a love of beauty, pleasure and peace. The Taurus Moon wants security and sensual comfort; the Libra Moon wants harmony, fairness and companionship. Both dislike ugly scenes, so your home can be gracious and pleasant. The difference is that Taurus is grounded and firm in its tastes, while Libra weighs every option and may change its mind, which can frustrate Taurus. Libra also needs more social contact than Taurus does. You enjoy long dinners, music and shared beauty, and you will happily invest in comfort and decor. In the workplace, Libra handles people and Taurus handles resources. You may both overspend on lovely things, so set shared limits that protect your savings.)~";

constexpr std::string_view kTaurusScorpio =
    R"~(Opposite Moons, Taurus and Scorpio are drawn together by a shared need for loyalty and a deep, physical connection. Taurus wants calm, comfort and simple security; Scorpio wants intensity, emotional truth and complete trust. Both are fixed signs, so once you commit you are very loyal, and once you fight you can both become immovable. Scorpio may test Taurus with hidden feelings, while Taurus may frustrate Scorpio by refusing to explore them. The attraction is strong and the bond can become profound. You need privacy at home, and both of you prefer a small circle of trusted people. As allies at work you are persistent and hard to beat. Taurus builds and Scorpio invests strategically, so you can become a formidable financial partnership if you share control openly.)~";

constexpr std::string_view kTaurusSagittarius =
    R"~(A Taurus Moon and a Sagittarius Moon want very different things from contentment. Taurus finds peace in staying put, savoring routines and familiar comforts; Sagittarius finds it in moving on, exploring and learning something new. Sagittarius can make Taurus feel unsettled, and Taurus can make Sagittarius feel caged. Yet you can give each other a great deal: Sagittarius opens the world of Taurus, and Taurus offers Sagittarius a home worth returning to. Taurus needs commitment spelled out, and Sagittarius needs to be trusted with freedom. Create a solid base with room on the wall for a map of future trips. At work, Sagittarius brings vision and Taurus brings follow-through. Taurus saves and Sagittarius spends on experiences, so write both into the budget.)~";

constexpr std::string_view kTaurusCapricorn =
    R"~(Dependable is the word for a Taurus Moon and a Capricorn Moon together, and it is meant as high praise. Both of you are earth signs who prize security, loyalty and plans that hold for the long run, and neither has patience for emotional chaos. Capricorn can be reserved and serious, and Taurus melts that reserve with warmth, touch and simple pleasures. Taurus can be content to coast, and Capricorn gently motivates it to aim higher. Trust forms slowly but goes very deep, and affection shows in kept promises. The household you build is likely to be solid, traditional and comfortable. In your careers you are reliable, ambitious and patient, the kind of pair others turn to. Money is where you truly shine, with savings growing year by year. Just leave room for fun, so that contentment never hardens into mere routine.)~";

constexpr std::string_view kTaurusAquarius =
    R"~(Stubbornness is something you have in common, though it pulls each of you in a very different direction. The Taurus Moon clings to what is known and comforting; the Aquarius Moon wants change, independence and the freedom to be unusual. Taurus feels through the body and the senses, while Aquarius feels through ideas and principles and can seem detached. Without care, Taurus may feel neglected and Aquarius may feel smothered. With understanding, though, Aquarius keeps Taurus from getting stuck, and Taurus reminds Aquarius of the pleasure of ordinary comforts. Agree openly on how much togetherness and how much space each of you needs. Blend household traditions with a few experiments. At work, Aquarius invents and Taurus makes it practical. Taurus favors security and Aquarius favors causes, so budget for both.)~";

constexpr std::string_view kTaurusPisces =
    R"~(Softness draws a Taurus Moon and a Pisces Moon together, yet the same softness can leave important things unsaid, so this pair feels either wonderfully easy or quietly difficult depending on how honest you are. Taurus offers calm, solidity and practical care; Pisces offers imagination, empathy and a tender, romantic nature. At best, Taurus is a safe shore for Pisces' shifting moods, and Pisces brings color into the steady life of Taurus. At worst, Pisces avoids hard truths and drifts out of reach, while Taurus bottles up resentment and grows stubborn, and neither names the problem. Make room for plain conversations, especially when keeping the peace feels easier. You share a love of music, nature and quiet evenings, and your home can become a refuge. At work, Pisces imagines and Taurus builds. Taurus keeps the budget, and Pisces gives freely, so agree how much generosity it allows.)~";

constexpr std::string_view kGeminiGemini =
    R"~(Conversation never runs dry between two Gemini Moons, yet what either of you actually feels often goes unsaid, and that makes this a hard pairing despite its lively surface. Both of you process emotion through words, jokes and analysis, so a painful subject can be discussed from every angle without ever being felt. Each of you needs variety and freedom, and neither is naturally the one who stays, soothes or follows through. Plans change, promises slip, and trust erodes through small inconsistencies rather than big betrayals. The honest bright spot is real friendship: you amuse each other and share endless curiosity. To last, at least one of you must sometimes slow down, ask a plain question and wait for a plain answer. Home will be busy and a little chaotic. At work you are quick and adaptable but poor at finishing. You are both impulsive with money, so a fixed, simple system is essential.)~";

constexpr std::string_view kGeminiCancer =
    R"~(Whichever of you has the Gemini Moon meets a feeling by thinking it through, while the Cancer partner simply lives inside it, and this couple spends a lot of energy bridging that gap. Gemini, ruled by Mercury, reaches for words and a lighter mood; Cancer, ruled by the Moon, reaches for closeness, comfort and memory. Cancer can feel that its emotions are being brushed aside or joked away, and Gemini can feel weighed down by moods it cannot talk its way out of. Still, Gemini can help Cancer put a tangled feeling into words, and Cancer can show Gemini what steady emotional loyalty looks like. Expect to negotiate often between nesting and roaming. At work, Gemini handles communication and Cancer looks after people. Cancer tucks money away for hard times while Gemini spends on whatever caught its interest this week, so settle early who pays which bills.)~";

constexpr std::string_view kGeminiLeo =
    R"~(Bright and sociable, yours is a partnership that rarely goes unnoticed. The Gemini Moon is witty, curious and quick; the Leo Moon is warm, proud and generous. Gemini enjoys Leo's big heart and dramatic flair, and Leo enjoys Gemini's cleverness and good humor. The friction comes when Leo wants undivided attention and Gemini's focus wanders, or when Gemini teases Leo's pride a little too far. Your love life is playful and expressive, and you enjoy parties, performances and showing off together. The house is lively and often full of guests. In the workplace Leo leads and Gemini promotes, and both enjoy being seen. You can spend freely on fun and appearances, so keep a shared plan and let whichever of you is feeling more practical that month handle the bills.)~";

constexpr std::string_view kGeminiVirgo =
    R"~(A Gemini Moon and a Virgo Moon are both ruled by Mercury, so your emotional lives run through the mind. You both need to talk things over, analyze situations and understand why you feel what you feel. Gemini is breezy, changeable and curious; Virgo is careful, precise and sometimes anxious. Virgo may find Gemini scattered, and Gemini may find Virgo critical. Together, though, you can be an excellent problem-solving team. Show warmth as well as wit, since both of you can overthink instead of simply feeling. Virgo wants order at home and Gemini creates pleasant chaos, so split tasks clearly. At work you are both capable and sharp, with Gemini networking and Virgo refining the details. Virgo's careful eye is a good counterweight to Gemini's spontaneous spending.)~";

constexpr std::string_view kGeminiLibra =
    R"~(Talk comes easily between a Gemini Moon and a Libra Moon, and so does laughter. Both are air signs, so you process feelings by putting them into words, and you both need company, fairness and a lively exchange of ideas. Gemini brings curiosity, wit and quick changes of direction; Libra brings charm, tact and a gift for balance. You rarely bore each other and rarely wound each other, which gives this bond an effortless grace. The one thing to watch is a shared reluctance to sit with heavy feelings, so set aside quiet time for what is hard to say. Romance between you is full of notes, dates and long dinners with friends, and your home will be stylish and sociable. At work you collaborate beautifully and charm clients together. Lovely things tempt you both, so agree on a budget together and trust each other to keep it.)~";

constexpr std::string_view kGeminiScorpio =
    R"~(Fascinating as this match can be, it is also a challenging one for you both. The Gemini Moon is light, curious and changeable; the Scorpio Moon is intense, private and all or nothing. Scorpio wants emotional depth and absolute trust, while Gemini wants freedom and variety and may flirt innocently in ways that make Scorpio uneasy. Gemini can find Scorpio too heavy, and Scorpio can find Gemini too shallow. Yet each holds something the other lacks: Gemini can help Scorpio lighten up, and Scorpio can show Gemini how profound feeling can be. Honesty and reassurance matter more here than clever words. Respect Scorpio's privacy and Gemini's social needs under the same roof. At work, Gemini researches widely and Scorpio digs deep. Keep accounts transparent so that money never becomes a source of mistrust.)~";

constexpr std::string_view kGeminiSagittarius =
    R"~(A Gemini Moon and a Sagittarius Moon sit opposite each other, and they share a love of freedom, ideas and adventure. Gemini is curious about everything close at hand; Sagittarius seeks meaning and the far horizon. You can talk for hours, travel at a moment's notice and laugh your way through most problems. The trouble is that neither of you enjoys dwelling on emotions, so difficulties can be avoided until they grow larger than necessary. You are friends, explorers and playful partners all at once. Home is flexible, a base you may not spend much time in. At work, Gemini handles details and communication while Sagittarius sets the vision. Both of you can be careless and optimistic with money, so keep a savings account that neither of you touches on a whim.)~";

constexpr std::string_view kGeminiCapricorn =
    R"~(It takes real work for a Gemini Moon and a Capricorn Moon to feel at home with each other. Gemini is adaptable, talkative and hungry for novelty; Capricorn is serious, disciplined and fixed on long-term goals. Capricorn can come to see Gemini as unreliable or unwilling to commit, and Gemini can feel that Capricorn has no time for play and little patience for feelings that lead nowhere useful. Criticism creeps in on both sides. The bright spots are real, though: Capricorn gives Gemini's ideas a framework, and Gemini helps Capricorn laugh and see problems from a new angle. Capricorn shows love through responsibility, Gemini through conversation, so learn to recognize both. At home, Capricorn wants structure and Gemini flexibility, and neither will get all of it. At work you combine strategy with communication well. Capricorn plans and Gemini spots openings, so money can grow if you respect both roles.)~";

constexpr std::string_view kGeminiAquarius =
    R"~(As two air Moons, you share a natural mental rapport. Gemini loves ideas, chat and variety; Aquarius loves principles, originality and freedom. You understand each other's need for space and rarely try to possess one another. Friendship sits at the heart of this bond, and you can spend long evenings discussing everything from gossip to the future of humanity. The weak spot is emotional intimacy, since both of you tend to intellectualize feelings rather than sit with them. Make time for simple affection as well as stimulating talk. Expect an unconventional, relaxed household. At work you are inventive and quick, good at brainstorming and networking. Neither of you is much of a hoarder, so a simple savings plan keeps your freedom secure.)~";

constexpr std::string_view kGeminiPisces =
    R"~(A Gemini Moon and a Pisces Moon are both changeable, but one changes through thought and the other through feeling. Gemini wants to understand and talk; Pisces wants to sense and merge. Pisces may feel that Gemini's logic misses the point, while Gemini may find Pisces vague or overly sensitive. Yet you can enchant each other: Gemini is charmed by Pisces' imagination, and Pisces enjoys Gemini's wit and lightness. Be careful with words, because Pisces absorbs them deeply and Gemini may not notice the effect. Pisces needs calm and Gemini needs stimulation, so mix quiet nights in with sociable ones. At work you make a creative team full of stories and ideas. Neither of you is naturally strict with money, so agree on a plan and review it together regularly.)~";

constexpr std::string_view kCancerCancer =
    R"~(Two Cancer Moons create a relationship centered on home, family and emotional closeness. You both need to feel safe, cherished and understood, and you instinctively care for each other in practical and tender ways. Your shared sensitivity means you can read one another without words. The downside is that moods can echo: when one of you withdraws, the other may withdraw too, and hurt feelings can be nursed quietly for a long time. Be generous with reassurance and quick to say what is wrong. You build a warm nest, probably full of keepsakes, good food and loved ones. At work you are loyal and caring, though you may both avoid risk. You save for security and feel calmer with a cushion in place, which makes you a steady financial pair.)~";

constexpr std::string_view kCancerLeo =
    R"~(The Moon rules Cancer and the Sun rules Leo, and this couple can feel like night and day in the best sense: two lights that make each other easier to see. Both are big-hearted, but Cancer keeps its heart private and protective while Leo wears it openly and proudly. Leo needs to feel admired; Cancer needs to feel safe and looked after. Leo's generosity makes Cancer feel cherished, and Cancer's devotion gives Leo the loyal audience it loves. Trouble comes when Leo's appetite for attention leaves Cancer overlooked, or when Cancer's moods cloud Leo's sunny spirit, so offer affection in the form each of you prefers. Home is where you shine, with Cancer bringing comfort and Leo celebration. At work, Leo tends to lead while Cancer looks after the team. A fund for treats, fed by both of you, lets Leo be lavish without costing Cancer sleep.)~";

constexpr std::string_view kCancerVirgo =
    R"~(At heart, each of you is a caretaker. The Cancer Moon nurtures through tenderness and emotional support; the Virgo Moon nurtures through practical help and attention to detail. You both want to be useful to those you love, and you notice what the other needs. Virgo's calm reasoning can steady Cancer's moods, while Cancer's warmth helps Virgo ease off its self-criticism. The bond is gentle and devoted, though Virgo's critiques may hurt Cancer more than intended. You make a tidy, cozy and well-run household. At work you are reliable and supportive colleagues who care about doing things properly. You are both prudent with money and like to plan ahead, so you are likely to build security together, perhaps with a little too much worry along the way.)~";

constexpr std::string_view kCancerLibra =
    R"~(A Cancer Moon and a Libra Moon both want a loving partnership, but they look for it in different ways. Cancer needs emotional closeness, loyalty and a secure home; Libra needs harmony, fairness and a pleasant social life. Both are cardinal signs, so each likes to steer, Cancer through feeling and Libra through diplomacy. Libra may seem a little detached to Cancer, while Cancer may seem too intense or moody to Libra. Still, both of you care deeply about the relationship and want peace. Libra's charm and Cancer's devotion make a romantic pair, provided you talk about feelings rather than tiptoe around them. Libra brings style to the home and Cancer brings warmth. At work you are considerate and cooperative. Cancer saves and Libra spends on beauty and company, so agree on a fair split.)~";

constexpr std::string_view kCancerScorpio =
    R"~(Deep water runs between a Cancer Moon and a Scorpio Moon. Both of you feel intensely, prize loyalty above nearly everything and understand why privacy matters. Cancer offers tenderness, nurture and a long memory for what the other loves; Scorpio offers passion, steadiness in a crisis and a protective streak that makes Cancer feel utterly safe. You sense each other's moods easily, and the bond can feel almost telepathic. The weak point is silence: when hurt, Cancer retreats into its shell and Scorpio broods, and days can pass before anyone speaks. Make honesty a habit rather than an emergency measure. At home you build a private world where few outsiders are invited. At work you combine intuition with determination. Both of you value security and read money shrewdly, so your shared reserves grow quietly and steadily.)~";

constexpr std::string_view kCancerSagittarius =
    R"~(First impressions may leave you puzzled by each other. The Cancer Moon seeks safety, home and emotional closeness; the Sagittarius Moon seeks freedom, travel and a wider view. Cancer may feel that Sagittarius is always halfway out the door, and Sagittarius may feel that Cancer wants to keep it indoors. Yet Sagittarius can lift Cancer's spirits with humor and optimism, and Cancer can give Sagittarius a warm place to return to. Sagittarius must be careful with blunt words, and Cancer with clinging. Cancer makes the nest and Sagittarius fills it with stories and visitors. At work, Sagittarius brings big ideas and Cancer cares for people. Money works when Cancer's savings jar and the Sagittarius travel fund sit side by side and neither raids the other.)~";

constexpr std::string_view kCancerCapricorn =
    R"~(A Cancer Moon and a Capricorn Moon sit opposite each other and form a classic pairing of heart and structure. Cancer brings warmth, tenderness and emotional attentiveness; Capricorn brings stability, responsibility and practical strength. Both of you value family, tradition and security, and you can build something lasting together. Tension arises when Cancer wants more emotional expression than Capricorn naturally shows, or when Capricorn's focus on work makes Cancer feel neglected. Capricorn should show affection openly, and Cancer should appreciate effort as a form of care. Whether running a business or a household, Capricorn sets the plan and Cancer notices who is struggling. Both of you save carefully, making this a strong financial match.)~";

constexpr std::string_view kCancerAquarius =
    R"~(Closeness is the word a Cancer Moon lives by and independence the word an Aquarius Moon lives by, which makes this a difficult pairing to settle. Cancer feels deeply and needs reassurance, tenderness and a secure home; Aquarius approaches feelings through reason and keeps a cool distance even from those it loves. Cancer may feel that Aquarius is absent even in the same room, while Aquarius may feel smothered by needs it does not know how to meet. Hurt builds quietly on one side and detachment on the other. The bright spot is what each of you can teach: Cancer shows Aquarius the comfort of warmth, and Aquarius shows Cancer the relief of a wider view. The two of you need to talk openly about how care should be shown and how much solitude is fair. At home, Cancer wants a cozy nest and Aquarius wants room for friends. At work, Aquarius innovates and Cancer looks after people. Cancer saves for the family and Aquarius gives to causes, so write down what each fund is for.)~";

constexpr std::string_view kCancerPisces =
    R"~(Almost without speaking, you read each other's moods, as water Moons often do. Cancer is nurturing and protective; Pisces is compassionate, imaginative and gentle. You both value emotional closeness, kindness and a peaceful home, and you can create a tender, romantic bond. The challenge is that neither of you is comfortable with confrontation, so problems may be avoided rather than faced, and moods can wash back and forth between you like tides. Your affection is devoted and generous. You build a soft, dreamy refuge, perhaps filled with art and music. At work you are caring and intuitive, good at helping others. Cancer is the careful saver and Pisces may be generous or vague about money, so let Cancer steer the budget while Pisces keeps the heart of the home.)~";

constexpr std::string_view kLeoLeo =
    R"~(Pride is the first thing two Leo Moons share, and it is also what makes this pairing so hard. Each of you feels safe only when appreciated out loud, and each waits for the other to offer that appreciation first. Rivalry creeps in: whoever holds the spotlight leaves the other quietly wounded, and a hurt Leo Moon sulks rather than asking for what it wants. Both Moons are fixed, so quarrels become contests in which neither will bend or apologize, and the warmth that first drew you together can turn into a chilly standoff. The honest bright spots are generosity and loyalty: when you are not competing, you can be wonderfully demonstrative and defend each other against outsiders. At home you will both want the final say on how things look. At work you need separate kingdoms rather than a shared one. Money leaves quickly on pleasures, so set a firm budget and praise each other first.)~";

constexpr std::string_view kLeoVirgo =
    R"~(A Leo Moon and a Virgo Moon sit side by side on the zodiac wheel, yet they speak very different dialects of care. The Leo partner gives love loudly, with praise, gifts and big gestures, and hopes to receive it the same way. The Virgo partner gives it quietly, by fixing the leaking tap and remembering the appointment. Each can miss the other's message. Leo may hear a helpful Virgo suggestion as criticism, and Virgo may find Leo's dramatic moods tiring. Once you learn to translate, though, this is a pleasant, workable match: Leo warms Virgo's nervous heart, and Virgo keeps Leo's grand plans on their feet. Around the house, Virgo runs the routines while Leo fills the rooms with guests and color. At work, Leo presents and Virgo perfects. Leo spends generously and Virgo counts carefully, so set a monthly sum for treats that neither of you has to justify.)~";

constexpr std::string_view kLeoLibra =
    R"~(Graceful living, good company and beautiful things delight you both, and your moods tend to lift each other. A Leo Moon wants to be adored and a Libra Moon wants harmony and fair exchange, so affection usually moves easily between you, with compliments, outings and thoughtful gestures on both sides. The friction is subtle: Libra may hide displeasure to keep the peace, while Leo may assume everything is fine because nobody complained. Ask each other directly now and then, and mean it. Your home is likely to be attractive and sociable, a place friends enjoy visiting, though choosing furniture can take Libra weeks while Leo wants the statement piece today. At work you present a charming front, Libra negotiating and Leo inspiring the room. Money is your soft spot, because both of you enjoy fine things, so set a shared savings goal that feels as glamorous as any purchase.)~";

constexpr std::string_view kLeoScorpio =
    R"~(Neither a Leo Moon nor a Scorpio Moon does anything halfway, and when these two fixed signs share a life, the heat and the willpower are both considerable. Leo needs open admiration and warmth; Scorpio needs deep trust, privacy and complete emotional honesty. The pull between you can be magnetic, but so can the standoffs, because both of you dig in when hurt and neither likes to bend first. Leo's public displays may leave Scorpio feeling exposed, while Scorpio's long silences can leave Leo feeling unloved. Loyalty is the bright spot: once both of you feel secure, you defend each other fiercely. Give Scorpio a quiet retreat at home and Leo a place to entertain. At work you are formidable when aimed at one target and exhausting when you compete. Scorpio's secrecy and Leo's generosity clash over money, so keep shared accounts open to both of you.)~";

constexpr std::string_view kLeoSagittarius =
    R"~(Fire answers fire in this pairing, and the two of you tend to feel at ease almost immediately. A Leo Moon craves warmth and recognition, a Sagittarius Moon craves freedom, laughter and fresh horizons, and both are generous, hopeful and quick to forgive. Emotional life between you is lively rather than brooding. The snag is that Sagittarius can be bluntly candid, or drift toward the next adventure just when Leo wants devoted attention, and Leo's demand for loyalty can start to feel like a leash. Keep affection loud and freedom real. At home you may be out more often than in, filling the calendar with trips, parties and projects, so someone has to remember the bills. At work you spark ideas and enthusiasm but may leave the finishing undone; bring in a steady helper. Money comes and goes easily for you both, so an automatic savings transfer will protect your shared dreams from your shared impulses.)~";

constexpr std::string_view kLeoCapricorn =
    R"~(Radiant warmth on one side and sober reserve on the other: the Sun rules Leo and Saturn rules Capricorn, and this couple brings that contrast into daily life. It sounds like an odd match, yet both Moons care about dignity, achievement and doing things well, and that common ground makes the partnership easier than it looks. The Leo partner needs affection shown openly and often; the Capricorn partner shows love by carrying responsibility, and can go quiet for long stretches when work is heavy. Leo may feel ignored then, and Capricorn may find Leo's moods a bit theatrical. Say plainly what you need rather than waiting to be guessed. At home, Capricorn builds the structure and Leo fills it with guests and color. In work you combine flair with management. Capricorn's thrift keeps Leo's spending in bounds, and Leo reminds Capricorn that success deserves a celebration.)~";

constexpr std::string_view kLeoAquarius =
    R"~(You sit opposite each other on the zodiac wheel, which gives this pairing a strong pull and a built-in tension. A Leo Moon wants personal warmth and to be the center of a loved one's world; an Aquarius Moon wants friendship, independence and room for its many causes and people. Leo can feel that Aquarius is cool or distracted, and Aquarius can feel that Leo asks for too much attention. Both of you are stubborn, so disagreements can freeze solid. What works is seeing how you complete each other: Leo teaches Aquarius to enjoy being adored, and Aquarius teaches Leo to look beyond personal pride. Expect an unusual, sociable household with friends drifting in and out at all hours. On the job you combine flair with original thinking, which suits creative ventures and community work. Agree early on how much of your income goes to fun, how much to causes and how much to savings.)~";

constexpr std::string_view kLeoPisces =
    R"~(A stage and a dream: put a Leo Moon and a Pisces Moon together and you often get a relationship with a theatrical, romantic glow. The Leo partner gives warmth, confidence and protection, and loves to be adored; the Pisces partner gives devotion, imagination and a gift for sensing what was never spoken. Leo makes Pisces feel sheltered, and Pisces makes Leo feel understood. Trouble starts when Leo speaks too bluntly and Pisces, instead of answering, drifts out of reach, or when Pisces' changing moods leave Leo unsure where it stands. Patient, kind honesty serves you both. At home you can create something beautiful, full of music and color, though neither of you loves chores, so share them out deliberately. In work, Leo champions Pisces' creative talents and Pisces softens Leo's leadership. Leo spends for display and Pisces from the heart, so keep a simple record of where the money goes.)~";

constexpr std::string_view kVirgoVirgo =
    R"~(Every flaw in a plan, a room or a person is plain to a Virgo Moon, and when two of them turn that sharp eye on each other, this becomes one of the hardest matches of all. Each of you feels safe through order and getting things right, yet each has a slightly different idea of what right means, and small corrections pile up into a steady drizzle of criticism. Worry feeds worry between you until minor problems look enormous and nobody can relax. Affection is rarely voiced, because both of you would rather fix something than say how you feel. The bright spots are honest ones: you are loyal, you work hard for each other, and the household runs efficiently. Praise each other as carefully as you correct, and let some things stay imperfect. At work you are meticulous but overly cautious. You both save, so allow yourselves the occasional pleasure without guilt or audit.)~";

constexpr std::string_view kVirgoLibra =
    R"~(Both a Virgo Moon and a Libra Moon like life in good order, but they mean different things by it. For Virgo, order is a clean schedule and a problem solved properly; for Libra, it is balance, beauty and a pleasant atmosphere between people. You both dislike coarse scenes, so your disagreements stay polite, sometimes too polite to reach the real issue. The Virgo partner can grow impatient while Libra weighs every option, and the Libra partner can feel stung by Virgo's well-meant corrections. The ease in this match comes from respect: Libra softens Virgo's worry with grace and humor, and Virgo gives Libra practical support. Let Virgo run the household logistics and Libra choose its look, and you will live somewhere both tidy and lovely. In work you are precise and diplomatic together. Decide in advance which luxuries earn a place in the budget.)~";

constexpr std::string_view kVirgoScorpio =
    R"~(Quietly and steadily, trust grows between you, since you share a private, thoughtful emotional style. A Virgo Moon feels secure through competence, order and being genuinely useful, while a Scorpio Moon feels secure through depth, loyalty and complete honesty. Virgo's careful analysis helps Scorpio make sense of powerful feelings, and Scorpio's intensity helps Virgo dare to feel more than it thinks. Problems arise when Virgo's criticism touches an old Scorpio wound, or when Scorpio's suspicion meets Virgo's anxious overthinking. Speak plainly and keep no secret ledgers of grievances. At home you both prize quiet, privacy and a well-kept retreat from the world. At work you make excellent researchers, investigators or problem solvers, patient and thorough. Money tends to be handled shrewdly, with Virgo tracking details and Scorpio spotting long-term opportunities, a strong base for security.)~";

constexpr std::string_view kVirgoSagittarius =
    R"~(Careful and carefree share a roof when a Virgo Moon pairs with a Sagittarius Moon. Virgo feels safe with order, detail and a job done properly; Sagittarius feels safe with open space, adventure and a big picture to chase, and finds checklists stifling. Virgo may quietly judge Sagittarius careless, and Sagittarius may think Virgo worries far too much. Still, both are mutable signs, flexible and curious, and both of you love to learn, which gives the match an easy, talkative warmth once you stop trying to reform each other. Sagittarius lifts Virgo's spirits, and Virgo gives Sagittarius a reliable place to come back to. Agree on a few firm house rules and let the rest stay loose. At work, Sagittarius sketches the vision and Virgo makes it workable. Virgo's budgeting can save Sagittarius' optimism from costly leaps, as long as Virgo does not police every purchase.)~";

constexpr std::string_view kVirgoCapricorn =
    R"~(Earthy good sense is your common ground, and you tend to feel comfortable together almost from the start. A Virgo Moon finds peace in useful routines and careful work; a Capricorn Moon finds it in structure, achievement and long-term plans. Neither of you needs theatrical displays of love, and both of you value loyalty proven through steady deeds. The risk is that life becomes all duty and no delight, with feelings left unspoken because there is always another task waiting. Schedule tenderness if you must, and let yourselves play. Your household will be orderly and dependable, probably with good storage and a sensible budget pinned to the fridge. As colleagues you are outstanding: Capricorn sets the direction, Virgo refines the process, and deadlines are met. Saving, planning and investing come naturally to you both, though you may need to remind each other that rest is also an investment.)~";

constexpr std::string_view kVirgoAquarius =
    R"~(Minds meet first in this pairing, and a Virgo Moon and an Aquarius Moon often grow close through shared curiosity before anything else. Virgo wants to be useful and to see practical improvement; Aquarius wants freedom, new ideas and a part in something larger than the two of you. You may share an interest in science, health, reform or technology, and you respect each other's intelligence deeply. The friction lies in style: Virgo likes routine and detail, Aquarius likes surprises and bending rules, and each may privately think the other a little odd. Make room for warmth, since neither of you finds tender feelings easy to show. At home, Virgo keeps the daily order while Aquarius brings unusual ideas and a stream of friends. At work you are an inventive yet grounded team. Money calls for a written plan, because Virgo's caution and Aquarius' unpredictable spending need common ground.)~";

constexpr std::string_view kVirgoPisces =
    R"~(Opposite signs, a Virgo Moon and a Pisces Moon are drawn together by what each lacks, and then frustrated by it. Virgo needs order, clarity and practical usefulness; Pisces needs compassion, imagination and emotional merging. Virgo can grow impatient with Pisces' vagueness and shifting moods, and Pisces can feel bruised by Virgo's precise remarks and quiet disapproval. Each may feel that the other never quite understands. The bright spots are real: both of you are caring and eager to help, and on good days Virgo helps Pisces stay grounded while Pisces helps Virgo feel without analyzing everything. Soften corrections, and put dreams into plain words. At home, Virgo brings order and Pisces atmosphere, if you can agree how much mess is tolerable. At work you suit healing or creative service. Money needs Virgo's bookkeeping, though Pisces' generosity reminds you that kindness counts too.)~";

constexpr std::string_view kLibraLibra =
    R"~(Politeness can be a trap, and two Libra Moons are so courteous with each other that this becomes a hard match. Each of you needs harmony to feel safe, so each swallows complaints and waits for the other to raise the difficult point, which neither ever does. Quarrels seem rare, but only because resentment has gone underground, where it quietly erodes affection for years. Decisions stall too: both of you weigh every option and defer to the other, until circumstances decide for you. The honest bright spots are real: Venus, the ruler of Libra, gives you a shared love of beauty and companionship, and you know how to make each other feel appreciated. Take turns being the one who decides, and treat honest feeling with the same respect as good manners. Your home will be elegant, though choosing a sofa may take a season. At work you negotiate well. Plan purchases together, since treats strain the budget.)~";

constexpr std::string_view kLibraScorpio =
    R"~(Charm meets intensity when a Libra Moon shares a life with a Scorpio Moon, and the mix of sweetness and depth makes a compelling, fairly easy match. Libra wants harmony, courtesy and a partner to share everything with; Scorpio wants emotional truth, passion and unwavering loyalty. The Libra partner may find Scorpio's moods heavy at times, and the Scorpio partner may suspect that Libra's pleasantness hides what it really feels. What keeps you together is that each supplies what the other lacks: Scorpio gives Libra depth and conviction, and Libra gives Scorpio lightness and a gracious, steady companion. Libra's friendliness toward everyone can stir Scorpio's jealousy, so be generous with reassurance. At home, Libra arranges beauty and Scorpio guards privacy. At work, Libra handles people and Scorpio strategy. Make money decisions together, because Scorpio likes control and Libra likes fairness.)~";

constexpr std::string_view kLibraSagittarius =
    R"~(Yours is an easy, sociable and optimistic connection. A Libra Moon needs companionship, fairness and pleasant surroundings; a Sagittarius Moon needs freedom, adventure and meaning. You enjoy each other's company, laugh readily, and both love people, travel and ideas. Libra softens Sagittarius' bluntness, while Sagittarius encourages Libra to stop weighing options and simply go. The challenge is that Libra wants a steady partnership and may feel neglected when Sagittarius roams, whereas Sagittarius may find Libra's need to consider every angle slow. Keep plans flexible but shared. You may host often and travel often, so your home feels more like a welcoming base camp than a fortress. In work, Libra negotiates and Sagittarius inspires. Money slips through both your hands on experiences and beautiful things, so a joint fund for adventures will serve you well.)~";

constexpr std::string_view kLibraCapricorn =
    R"~(Each of you expects to steer, and that is the first hurdle for a Libra Moon and a Capricorn Moon, both cardinal signs. Libra steers through charm and consensus, Capricorn through authority and plans. Libra needs harmony, partnership and beauty; Capricorn needs security, structure and visible progress. Capricorn can find Libra indecisive or too eager to please, and Libra can find Capricorn cold, controlling or married to work. Without care, the relationship becomes a polite standoff in which neither says what hurts. There is a foundation, though: both of you respect convention and want a life that looks good outside and holds firm within. Capricorn needs patience to open up, and Libra needs tangible signs of commitment. At home, Capricorn lays foundations and Libra shapes atmosphere. At work you can be polished and strategic. Agree to buy fewer, better things, a rule both thrift and taste accept.)~";

constexpr std::string_view kLibraAquarius =
    R"~(Ideas keep moving and affection keeps flowing when a Libra Moon meets an Aquarius Moon, two air signs who come alive in good conversation. Libra needs partnership, balance and beauty; Aquarius needs freedom, friendship and ideals worth working for. You settle disagreements through discussion rather than drama and share a lively, generous social life. Libra brings warmth, courtesy and romance, and Aquarius brings originality, loyalty to principle and a wide circle of fascinating friends. The only real gap is closeness: Libra longs for a devoted, one-to-one bond, and Aquarius can drift into causes and groups. Keep a regular evening just for the two of you and the friendship stays romantic. Your home will be open and hospitable. You work well together in design, law, media or community projects. Money runs smoothly on clear agreements, since neither of you enjoys arguing about it.)~";

constexpr std::string_view kLibraPisces =
    R"~(Gentleness comes naturally to a Libra Moon and a Pisces Moon, and this couple tends to share a soft, romantic way of seeing the world. Both of you are considerate and tuned to atmosphere, and you can build a relationship rich in kindness, music and beautiful things. The difference is in how feelings are handled. Libra wants to weigh them and reach a fair conclusion; Pisces wants to sense them, flow with them and merge. To Libra, Pisces can seem unclear; to Pisces, Libra's even temper can seem a little distant. Neither of you likes confrontation, so a problem can be politely ignored until it is large, and honest talk has to become a habit. Your home is likely to be soothing and lovely, though repairs and paperwork may wait too long. In work, Libra organizes and Pisces inspires. Both of you give generously and count loosely, so keep a clear budget.)~";

constexpr std::string_view kScorpioScorpio =
    R"~(Intensity draws two Scorpio Moons together, and the same intensity is what makes this such a hard pairing. Each of you needs absolute loyalty and each tends to test for it, so suspicion can take root even where nothing is wrong. Both are private, strong-willed and slow to forgive, and with Pluto and Mars as rulers, you both fight to win. A small hurt can become a long cold war of silence, jealousy and scorekeeping, with neither willing to show weakness first. The honest bright spots are fierce devotion when trust is intact and an unflinching honesty about hard things. Voice fears before they harden into accusations, and never use secrets as leverage. At home you will want a private sanctuary; do not let it become a fortress against each other. At work you are determined and strategic. Shared money needs full transparency, because hidden accounts would do lasting damage.)~";

constexpr std::string_view kScorpioSagittarius =
    R"~(Neighbors on the zodiac wheel, a Scorpio Moon and a Sagittarius Moon live in very different emotional climates, and this match is hard to keep in balance. Scorpio needs depth, privacy and unbroken loyalty; Sagittarius needs freedom, candor and room to roam. To Scorpio, Sagittarius can seem restless or careless with feelings; to Sagittarius, Scorpio can seem possessive, secretive or heavy. Jealousy on one side and a casual remark on the other can start a quarrel that lasts far too long. The bright spot is a shared hunger for truth, which Scorpio pursues by digging and Sagittarius by exploring. Scorpio has to offer trust without control, and Sagittarius consistency without giving up spontaneity. Keep a private corner of the home for Scorpio and give Sagittarius reasons to come back to it. At work you pair insight with vision. Agree money limits openly, so caution and optimism can meet.)~";

constexpr std::string_view kScorpioCapricorn =
    R"~(Seriousness, loyalty and strong ambition run through both your Moons, and your emotional bond tends to deepen with time. A Scorpio Moon needs intensity and trust, while a Capricorn Moon needs security, respect and steady progress. Both of you are reserved at first, but once committed you are reliable and protective. Scorpio's emotional depth can warm Capricorn's restraint, and Capricorn's stability soothes Scorpio's fears. The risk lies in control: both of you like to be in charge, and cold silences can replace discussion. Treat vulnerability as a sign of strength rather than weakness. You create a solid, private household with clear rules and long-term plans. At work you are strategic and persistent, especially in finance, management or research. Money is a natural strength, since you both save, invest and plan for the future with great patience.)~";

constexpr std::string_view kScorpioAquarius =
    R"~(Two fixed signs at a square, a Scorpio Moon and an Aquarius Moon are each stubborn and sure of its own way, which makes this a hard partnership to keep warm. Scorpio needs intense closeness and unquestioned loyalty; Aquarius needs independence, friendship and space to think. To Scorpio, Aquarius can feel detached, even cold; to Aquarius, Scorpio can feel possessive and suspicious. Once a quarrel starts, neither of you gives ground, and silences can last for days. The bright spot is a shared fascination with hidden truths and unusual ideas; neither of you will settle for a shallow life. Scorpio must allow Aquarius real freedom, and Aquarius must show feelings more openly than comes naturally. Decide which spaces at home are shared and which private. At work you can be brilliant innovators. Clear money agreements are essential, since Scorpio wants control and Aquarius bristles at limits.)~";

constexpr std::string_view kScorpioPisces =
    R"~(Instinct does much of the work here: as two water signs sharing the same tides, you sense each other's emotional depths. A Scorpio Moon needs intensity, loyalty and trust; a Pisces Moon needs compassion, tenderness and spiritual connection. Scorpio's strength protects Pisces, and Pisces' gentleness soothes Scorpio's suspicious side. Together you can build an intimate bond where much is understood without words. The risk is that moods feed each other, and Scorpio's need for control or Pisces' evasiveness can breed confusion. Honesty keeps the waters clear. Your home can become a cozy, private sanctuary, perhaps near water or full of art and music. You are suited to healing, creative or research work, where intuition matters. Scorpio's prudence can steady Pisces' open-handed generosity, though both should keep clear records to avoid misunderstandings.)~";

constexpr std::string_view kSagittariusSagittarius =
    R"~(Optimism, humor and a shared hunger for freedom define two Sagittarius Moons together. Each of you needs space, adventure and meaning, and you understand each other's restlessness perfectly. Life together can be packed with travel, study and laughter, and neither of you will ever feel caged by the other. The risk is that nobody stays home to tend the practical side, and commitments can be postponed indefinitely. Bluntness on both sides can sting, though you forgive quickly. Keep your adventures shared rather than separate, or you may drift apart while chasing different horizons. You may prefer a flexible base to a fixed nest, but a few stable routines will help you both. At work you inspire each other with big ideas, though you may need help finishing the details. You are generous and impulsive with money, so set savings aside before planning the next journey.)~";

constexpr std::string_view kSagittariusCapricorn =
    R"~(Expansion meets restraint when a Sagittarius Moon and a Capricorn Moon share a home, the old contrast between Jupiter and Saturn, their rulers. The Sagittarius partner needs freedom, optimism and a horizon to head for; the Capricorn partner needs structure, responsibility and measurable progress. Capricorn may consider Sagittarius careless with time and promises, and Sagittarius may consider Capricorn far too serious. Yet the contrast works more often than not: Sagittarius brings humor, faith and big ideas, and Capricorn knows how to turn them into something real. Sagittarius should prove reliable, and Capricorn should make space for play. Capricorn keeps the home in order, while Sagittarius fills it with books, maps and friends from far away. At work you join inspiration to ambition. Capricorn's thrift protects Sagittarius' generosity, and a budget you revisit each season keeps you both content.)~";

constexpr std::string_view kSagittariusAquarius =
    R"~(Freedom, ideas and friendship come naturally to the two of you, and you get along with remarkable ease. A Sagittarius Moon needs adventure and meaning; an Aquarius Moon needs independence and originality. Neither of you clings, and you both enjoy giving each other plenty of space. Together you can explore philosophies, causes and distant places with shared enthusiasm. The risk is emotional distance, since both of you may sidestep deeper feelings in favor of discussion and plans. Make time for intimacy and honest talk, especially when something hurts. Expect an unconventional, sociable household with friends dropping in unannounced. At work you are creative and progressive, good at teaching, technology or social projects. Both of you may be careless with money, so a simple plan keeps your freedom affordable and your future open.)~";

constexpr std::string_view kSagittariusPisces =
    R"~(Generous, idealistic and restless, a Sagittarius Moon and a Pisces Moon both count Jupiter among their rulers, yet living together proves harder than dreaming together. Sagittarius needs freedom, candor and a horizon to chase; Pisces needs compassion, closeness and a partner who senses what goes unsaid. Both are mutable signs, so neither of you is naturally the anchor. Sagittarius tells the truth like a cheerful arrow and forgets it can wound; Pisces absorbs the hurt and slips away rather than saying so, and distance grows without a single argument. The bright spot is a shared love of faith, art and faraway places, and happy hours spent imagining the life you might lead. Let kindness lead, and check in after hard words. Divide chores on purpose, since neither of you is tidy. At work you can inspire others through teaching or the arts. You both give freely and plan loosely, so a firm budget is vital.)~";

constexpr std::string_view kCapricornCapricorn =
    R"~(Two Capricorn Moons recognize each other as kindred spirits: serious, responsible and quietly determined to build a secure life. Each of you feels safe when plans are in place and effort is rewarded, and you respect the other's ambition instead of resenting it. Love between you is shown through reliability, kept promises and turning up on time, not through flowery speeches. The risk is that the relationship starts to resemble a well-run company, with feelings filed away because there is always more work. Both of you may hide loneliness or fear behind competence, each waiting for the other to crack first. Make room for softness, humor and unplanned afternoons. Your household will be stable, traditional and carefully maintained. At work you are a disciplined, strategic team that others trust with responsibility. Money is handled prudently and your savings may grow impressive; just remember to spend some of it on joy.)~";

constexpr std::string_view kCapricornAquarius =
    R"~(Saturn rules Capricorn and shares the rule of Aquarius with Uranus, and this couple shares something of its gravity: a natural reserve, a respect for principle and a dislike of emotional fuss. What differs is how you use it. The Capricorn partner honors tradition and proven methods; the Aquarius partner questions rules and looks for a better system for everyone. Capricorn may find Aquarius unpredictable and aloof, and Aquarius may find Capricorn rigid or too concerned with status. Even so, the respect between you runs deep and grows with time. Neither of you gushes, so make affection visible on purpose, perhaps with a standing evening kept for each other. At home, Capricorn's order gives shape to Aquarius' inventive ideas. At work you pair reliable execution with fresh vision. Capricorn steadies Aquarius' money experiments, and Aquarius keeps Capricorn from clinging to stale investments.)~";

constexpr std::string_view kCapricornPisces =
    R"~(On paper earth should hold water, but a Capricorn Moon and a Pisces Moon often find their needs pulling in opposite directions, and this is a hard match to make work. Capricorn needs structure, control and visible progress; Pisces needs compassion, imagination and the freedom to follow its feelings. Capricorn can come to see Pisces as unreliable, and Pisces can feel judged, managed and lonely beside Capricorn's sober realism. Capricorn answers distress with advice, Pisces answers advice with retreat, and the distance between you widens quietly. There are honest bright spots: Capricorn can offer Pisces a safe harbor, and Pisces can soften Capricorn's reserve when both feel secure. Listen before fixing, and say needs aloud. At home, expect tension between schedules and moods. At work you can blend discipline with creativity in small doses. Capricorn saves and Pisces gives, so agree in writing what share goes to generosity.)~";

constexpr std::string_view kAquariusAquarius =
    R"~(Two Aquarius Moons build a partnership on friendship, independence and a shared fascination with ideas. Each of you needs room to be your own peculiar self, and you grant that freedom without resentment, which is rare and precious. Conversations can run late into the night, touching on politics, science, the future and whatever new cause has caught your eye. The risk is emotional distance: both of you prefer to reason about feelings rather than feel them, and a problem can be discussed endlessly without anyone admitting to being hurt. Practice saying simple things, such as 'I missed you' or 'that upset me'. Your home will likely be unconventional, full of gadgets, books and friends from every walk of life. At work you innovate brilliantly together, especially in technology or community projects. You may fund ideals before necessities, so keep a basic plan that covers the rent before the revolution.)~";

constexpr std::string_view kAquariusPisces =
    R"~(Both an Aquarius Moon and a Pisces Moon dream of a kinder world, but they dream at very different temperatures, and that makes everyday intimacy hard work. Aquarius needs freedom, ideas and a cause shared with many people; Pisces needs tenderness and one person who feels everything alongside it. When Pisces reaches for closeness, Aquarius feels crowded and steps back into cool reasoning; when Aquarius steps back, Pisces feels abandoned and drifts into its own sadness. Neither of you means harm, yet the pattern repeats. The bright spot is a genuine shared idealism, which can show in art, spiritual interests or volunteer work done side by side. Aquarius should offer warmth in plain, regular gestures, and Pisces should name needs out loud. At home, mix Aquarius' inventiveness with Pisces' love of comfort. At work you join vision to intuition. Neither of you tracks money closely, so agree on a simple plan.)~";

constexpr std::string_view kPiscesPisces =
    R"~(Two Pisces Moons share a world of sensitivity, imagination and compassion that few others could enter. You feel each other's moods almost before they are expressed, and you offer forgiveness and tenderness generously. Romance can be dreamy and poetic, full of music, films and long, wandering talks. The danger is that two drifting hearts lose their anchor: if both of you avoid conflict or escape into fantasy, small problems go unnoticed until they turn into floods. One of you must sometimes be the realist, so take turns. At home you can create a soft, soothing sanctuary, though chores and paperwork may pile up in corners. At work you thrive in creative, healing or caring fields, especially with some outside structure. With money, generosity and vagueness can combine unhappily, so keep simple records, automate the bills and protect a small reserve for rainy days.)~";

} // namespace

const std::array<KeyedText, 144> MoonPairTexts{{
    {"Aries-Aries", kAriesAries},
    {"Aries-Taurus", kAriesTaurus},
    {"Aries-Gemini", kAriesGemini},
    {"Aries-Cancer", kAriesCancer},
    {"Aries-Leo", kAriesLeo},
    {"Aries-Virgo", kAriesVirgo},
    {"Aries-Libra", kAriesLibra},
    {"Aries-Scorpio", kAriesScorpio},
    {"Aries-Sagittarius", kAriesSagittarius},
    {"Aries-Capricorn", kAriesCapricorn},
    {"Aries-Aquarius", kAriesAquarius},
    {"Aries-Pisces", kAriesPisces},
    {"Taurus-Aries", kAriesTaurus},
    {"Taurus-Taurus", kTaurusTaurus},
    {"Taurus-Gemini", kTaurusGemini},
    {"Taurus-Cancer", kTaurusCancer},
    {"Taurus-Leo", kTaurusLeo},
    {"Taurus-Virgo", kTaurusVirgo},
    {"Taurus-Libra", kTaurusLibra},
    {"Taurus-Scorpio", kTaurusScorpio},
    {"Taurus-Sagittarius", kTaurusSagittarius},
    {"Taurus-Capricorn", kTaurusCapricorn},
    {"Taurus-Aquarius", kTaurusAquarius},
    {"Taurus-Pisces", kTaurusPisces},
    {"Gemini-Aries", kAriesGemini},
    {"Gemini-Taurus", kTaurusGemini},
    {"Gemini-Gemini", kGeminiGemini},
    {"Gemini-Cancer", kGeminiCancer},
    {"Gemini-Leo", kGeminiLeo},
    {"Gemini-Virgo", kGeminiVirgo},
    {"Gemini-Libra", kGeminiLibra},
    {"Gemini-Scorpio", kGeminiScorpio},
    {"Gemini-Sagittarius", kGeminiSagittarius},
    {"Gemini-Capricorn", kGeminiCapricorn},
    {"Gemini-Aquarius", kGeminiAquarius},
    {"Gemini-Pisces", kGeminiPisces},
    {"Cancer-Aries", kAriesCancer},
    {"Cancer-Taurus", kTaurusCancer},
    {"Cancer-Gemini", kGeminiCancer},
    {"Cancer-Cancer", kCancerCancer},
    {"Cancer-Leo", kCancerLeo},
    {"Cancer-Virgo", kCancerVirgo},
    {"Cancer-Libra", kCancerLibra},
    {"Cancer-Scorpio", kCancerScorpio},
    {"Cancer-Sagittarius", kCancerSagittarius},
    {"Cancer-Capricorn", kCancerCapricorn},
    {"Cancer-Aquarius", kCancerAquarius},
    {"Cancer-Pisces", kCancerPisces},
    {"Leo-Aries", kAriesLeo},
    {"Leo-Taurus", kTaurusLeo},
    {"Leo-Gemini", kGeminiLeo},
    {"Leo-Cancer", kCancerLeo},
    {"Leo-Leo", kLeoLeo},
    {"Leo-Virgo", kLeoVirgo},
    {"Leo-Libra", kLeoLibra},
    {"Leo-Scorpio", kLeoScorpio},
    {"Leo-Sagittarius", kLeoSagittarius},
    {"Leo-Capricorn", kLeoCapricorn},
    {"Leo-Aquarius", kLeoAquarius},
    {"Leo-Pisces", kLeoPisces},
    {"Virgo-Aries", kAriesVirgo},
    {"Virgo-Taurus", kTaurusVirgo},
    {"Virgo-Gemini", kGeminiVirgo},
    {"Virgo-Cancer", kCancerVirgo},
    {"Virgo-Leo", kLeoVirgo},
    {"Virgo-Virgo", kVirgoVirgo},
    {"Virgo-Libra", kVirgoLibra},
    {"Virgo-Scorpio", kVirgoScorpio},
    {"Virgo-Sagittarius", kVirgoSagittarius},
    {"Virgo-Capricorn", kVirgoCapricorn},
    {"Virgo-Aquarius", kVirgoAquarius},
    {"Virgo-Pisces", kVirgoPisces},
    {"Libra-Aries", kAriesLibra},
    {"Libra-Taurus", kTaurusLibra},
    {"Libra-Gemini", kGeminiLibra},
    {"Libra-Cancer", kCancerLibra},
    {"Libra-Leo", kLeoLibra},
    {"Libra-Virgo", kVirgoLibra},
    {"Libra-Libra", kLibraLibra},
    {"Libra-Scorpio", kLibraScorpio},
    {"Libra-Sagittarius", kLibraSagittarius},
    {"Libra-Capricorn", kLibraCapricorn},
    {"Libra-Aquarius", kLibraAquarius},
    {"Libra-Pisces", kLibraPisces},
    {"Scorpio-Aries", kAriesScorpio},
    {"Scorpio-Taurus", kTaurusScorpio},
    {"Scorpio-Gemini", kGeminiScorpio},
    {"Scorpio-Cancer", kCancerScorpio},
    {"Scorpio-Leo", kLeoScorpio},
    {"Scorpio-Virgo", kVirgoScorpio},
    {"Scorpio-Libra", kLibraScorpio},
    {"Scorpio-Scorpio", kScorpioScorpio},
    {"Scorpio-Sagittarius", kScorpioSagittarius},
    {"Scorpio-Capricorn", kScorpioCapricorn},
    {"Scorpio-Aquarius", kScorpioAquarius},
    {"Scorpio-Pisces", kScorpioPisces},
    {"Sagittarius-Aries", kAriesSagittarius},
    {"Sagittarius-Taurus", kTaurusSagittarius},
    {"Sagittarius-Gemini", kGeminiSagittarius},
    {"Sagittarius-Cancer", kCancerSagittarius},
    {"Sagittarius-Leo", kLeoSagittarius},
    {"Sagittarius-Virgo", kVirgoSagittarius},
    {"Sagittarius-Libra", kLibraSagittarius},
    {"Sagittarius-Scorpio", kScorpioSagittarius},
    {"Sagittarius-Sagittarius", kSagittariusSagittarius},
    {"Sagittarius-Capricorn", kSagittariusCapricorn},
    {"Sagittarius-Aquarius", kSagittariusAquarius},
    {"Sagittarius-Pisces", kSagittariusPisces},
    {"Capricorn-Aries", kAriesCapricorn},
    {"Capricorn-Taurus", kTaurusCapricorn},
    {"Capricorn-Gemini", kGeminiCapricorn},
    {"Capricorn-Cancer", kCancerCapricorn},
    {"Capricorn-Leo", kLeoCapricorn},
    {"Capricorn-Virgo", kVirgoCapricorn},
    {"Capricorn-Libra", kLibraCapricorn},
    {"Capricorn-Scorpio", kScorpioCapricorn},
    {"Capricorn-Sagittarius", kSagittariusCapricorn},
    {"Capricorn-Capricorn", kCapricornCapricorn},
    {"Capricorn-Aquarius", kCapricornAquarius},
    {"Capricorn-Pisces", kCapricornPisces},
    {"Aquarius-Aries", kAriesAquarius},
    {"Aquarius-Taurus", kTaurusAquarius},
    {"Aquarius-Gemini", kGeminiAquarius},
    {"Aquarius-Cancer", kCancerAquarius},
    {"Aquarius-Leo", kLeoAquarius},
    {"Aquarius-Virgo", kVirgoAquarius},
    {"Aquarius-Libra", kLibraAquarius},
    {"Aquarius-Scorpio", kScorpioAquarius},
    {"Aquarius-Sagittarius", kSagittariusAquarius},
    {"Aquarius-Capricorn", kCapricornAquarius},
    {"Aquarius-Aquarius", kAquariusAquarius},
    {"Aquarius-Pisces", kAquariusPisces},
    {"Pisces-Aries", kAriesPisces},
    {"Pisces-Taurus", kTaurusPisces},
    {"Pisces-Gemini", kGeminiPisces},
    {"Pisces-Cancer", kCancerPisces},
    {"Pisces-Leo", kLeoPisces},
    {"Pisces-Virgo", kVirgoPisces},
    {"Pisces-Libra", kLibraPisces},
    {"Pisces-Scorpio", kScorpioPisces},
    {"Pisces-Sagittarius", kSagittariusPisces},
    {"Pisces-Capricorn", kCapricornPisces},
    {"Pisces-Aquarius", kAquariusPisces},
    {"Pisces-Pisces", kPiscesPisces},
}};

} // namespace content
