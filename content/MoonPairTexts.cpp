#include "content/MoonPairTexts.h"
// Written for this program; every text is its own.
namespace content {
namespace {

constexpr std::string_view kAriesAries =
    R"~(Two Aries Moons make a household that runs on adrenaline and honesty. Each of you feels things fast, says them faster, and expects the other to keep up, which is thrilling in the early days and occasionally exhausting later on. Your quarrels flare like struck matches and burn out just as quickly, and neither of you holds a grudge for long, so the air has usually cleared by dinner. In love you bring courage and spontaneity, though you may both wait for the other to be the one who slows down and listens. Around the house, expect half-finished projects and a shared dislike of routine chores. At work you push each other to compete and win. With money you both lean toward impulse buys, so agree on one simple rule, such as a waiting day before any large purchase, and take turns being the patient one.)~";

constexpr std::string_view kAriesTaurus =
    R"~(Your Moon in Aries and your partner's Moon in Taurus move at very different speeds. The Aries side feels a spark and wants to act on it now; the Taurus side needs time, comfort and a sense that nothing will be torn up overnight. This can become a gentle partnership in which one supplies the push and the other supplies the ground to stand on, provided neither mistakes the other's pace for a judgment. In love, Taurus offers the steady affection Aries secretly craves, while Aries keeps Taurus from settling into sameness. At home, Taurus wants a cozy, well-stocked nest and Aries wants room to move the furniture on a whim. Money shows the gap most clearly: one spends on excitement, the other saves for security, so a shared budget with a little fun money set aside for each of you keeps the peace.)~";

constexpr std::string_view kAriesGemini =
    R"~(The two of you share a restless, lively emotional weather, and that makes for an easy, playful bond. The Aries Moon reacts with heat and directness, the Gemini Moon with words, questions and a quick change of subject, and together you rarely get bored. Arguments tend to turn into debates that one of you enjoys more than the other admits. In love you flirt, tease and keep things light, though deeper feelings can get talked around rather than felt through, so set aside quiet moments for what is really going on underneath. Home may be busy with friends, hobbies and a dozen open browser tabs. At work you are a brilliant pair for launching ideas, less so for finishing them. Financially you can both be scattered, so automate the bills and save the clever money-making schemes for weekends.)~";

constexpr std::string_view kAriesCancer =
    R"~(An Aries Moon and a Cancer Moon both feel intensely, but they protect themselves in opposite ways. Aries charges forward and clears the air with a blunt remark; Cancer pulls back into its shell and remembers that remark for a long time. Once you see that neither reaction is meant as an attack, you can become fiercely loyal to each other, Aries as the defender and Cancer as the keeper of the home fires. In love, Cancer needs reassurance and a gentle tone, and Aries needs freedom and a partner who does not sulk. Home matters deeply to Cancer, so Aries earns a great deal of goodwill simply by showing up for family rituals. At work, Aries takes the risks and Cancer guards the team. Money runs smoothest when Cancer holds the savings and Aries is given a clear, guilt-free allowance for adventures.)~";

constexpr std::string_view kAriesLeo =
    R"~(Your Moon in Aries and your partner's Moon in Leo light each other up. Both of you are fire Moons, warm, proud and generous with enthusiasm, and you recognize in the other the same hunger to feel alive. Aries needs action and independence; Leo needs admiration and loyalty. As long as Aries remembers to applaud and Leo does not demand the spotlight every evening, the chemistry stays bright. Clashes come from pride, since two strong wills rarely apologize first, so invent a private signal that means 'I'm sorry, let's start over.' At home you love hosting, celebrating and turning every birthday into an event. In your working lives you inspire others and can lead well together if you agree to share the stage. Both of you enjoy spending for pleasure, so plan the big treats deliberately rather than on impulse.)~";

constexpr std::string_view kAriesVirgo =
    R"~(The two of you are an unlikely pair that can work surprisingly well once the friction is understood. The Aries Moon feels first and sorts things out later; the Virgo Moon analyzes, worries and tries to fix whatever it feels. Aries may find Virgo's caution deflating, and Virgo may find Aries careless with details that matter. Yet Virgo quietly improves the plans Aries dreams up, and Aries pulls Virgo out of overthinking and back into living. In love, Virgo shows care through practical help rather than grand gestures, which Aries should learn to read as real devotion. Under one roof, one of you leaves a trail and the other tidies it, so divide the chores by clear agreement. At work this is a strong team of initiator and finisher. With money, let Virgo track the numbers and let Aries negotiate the deals.)~";

constexpr std::string_view kAriesLibra =
    R"~(Opposite Moons, Aries and Libra attract each other like two halves of one conversation. Aries feels strongly and wants to act on its own terms; Libra feels through others and wants balance, fairness and peace. This gives you a natural push and pull: Aries teaches Libra to state a need without apologizing, and Libra teaches Aries that a softer tone wins more than a raised voice. There is real romance and attraction here, though Libra may hide irritation to avoid a scene until it spills out all at once. At home Libra cares about beauty and harmony, Aries about freedom and space to move. Professionally you make good negotiators, one tough and one charming. Money works best with joint decisions on big items, since Aries decides in a minute and Libra can deliberate for weeks.)~";

constexpr std::string_view kAriesScorpio =
    R"~(An Aries Moon and a Scorpio Moon share a streak of passion and a fighter's spirit, though they fight in different ways. Aries erupts and forgets; Scorpio goes quiet, watches, and does not forget. This pair can be intensely attracted and fiercely protective, but trust has to be built carefully. Scorpio needs depth, privacy and total loyalty, while Aries needs freedom and a partner who will not interrogate it. The chemistry between you is strong and the making-up can be dramatic. At home, set clear boundaries around personal space and shared secrets. At work both of you are determined and hate losing, which is powerful when you face the same direction and draining when you compete with each other. Scorpio prefers control and hidden reserves, so keep your finances transparent to avoid suspicion creeping in.)~";

constexpr std::string_view kAriesSagittarius =
    R"~(The two of you share a fiery, optimistic emotional nature that makes life together feel like an ongoing adventure. Aries brings urgency and courage, Sagittarius brings humor, curiosity and a wide horizon, and neither of you wants to be fenced in. Emotional honesty comes easily, sometimes too easily, since both can speak before thinking and bruise without meaning to. As lovers you are playful companions who keep each other young, though you may need to make an effort to stay put long enough to go deep. Home can feel like a base camp between trips, full of gear and half-unpacked bags. At work you motivate each other and love a big goal. Money is your weak spot: both of you trust that luck will provide, so build a modest safety fund before booking the next journey.)~";

constexpr std::string_view kAriesCapricorn =
    R"~(Your Moon in Aries and your partner's Moon in Capricorn are both ambitious, but one sprints and the other climbs. Aries acts on feeling and wants results today; Capricorn keeps feelings under control and plans for results in five years. At first Aries may find Capricorn cold, and Capricorn may find Aries reckless. With time you discover a shared drive and a useful balance: Capricorn gives structure to the energy of Aries, and Aries gives Capricorn permission to be spontaneous. In love, Capricorn shows care through reliability and effort rather than words, and Aries should value that. Capricorn wants order and tradition in the home, so Aries does well to respect a few household rules. Together at work you can achieve a great deal. Money favors Capricorn's caution, with Aries trusted to spot bold opportunities.)~";

constexpr std::string_view kAriesAquarius =
    R"~(The two of you value independence, and that shared need for breathing room gives your bond an easy, friendly quality. The Aries Moon is hot and impulsive, the Aquarius Moon cooler and more detached, yet both dislike clinginess and enjoy a partner who has a life of their own. Aries may sometimes want more emotional heat than Aquarius naturally shows, and Aquarius may want to discuss a feeling that Aries has already acted on. You are best friends first, with plenty of shared causes and surprises. Expect unusual living arrangements and a relaxed attitude to convention. At work, Aquarius dreams up the idea and Aries charges at it. Neither of you is very sentimental about money, but agree on a few shared goals so that separate spending does not drift into separate lives.)~";

constexpr std::string_view kAriesPisces =
    R"~(An Aries Moon and a Pisces Moon meet at the point where the zodiac ends and begins again, and they feel in very different ways. Aries is direct, quick and self-starting; Pisces is soft, intuitive and absorbs every mood in the room. Pisces can bring out a protective tenderness in Aries, and Aries can give Pisces the courage to act on its dreams. The risk is that Aries' bluntness wounds Pisces, who then retreats or drifts away without saying why. In love, gentleness and patience from Aries are rewarded with deep devotion and imagination. At home Pisces needs quiet corners and Aries needs an outlet for energy, so plan for both. At work Pisces senses what people need and Aries makes it happen. Both can be impulsive with money, one for thrills and one out of sympathy, so keep a simple plan.)~";

constexpr std::string_view kTaurusTaurus =
    R"~(Two Taurus Moons build a relationship on comfort, loyalty and steady routines. You both need security, good food, physical affection and a home that feels solid, and you understand these needs in each other without explanation. The bond is calm and sensual, and once trust is won it tends to last for years. The difficulty is stubbornness: when you disagree, neither of you budges, and a small dispute can settle into a long silence. Learn to name a problem early, while it is still easy to move. Together you create a beautiful, well-fed nest, though you may resist change even when it would help. At work you are patient and dependable. Money is a shared strength, with careful saving and a taste for quality, but watch that comfort does not slowly turn into stagnation.)~";

constexpr std::string_view kTaurusGemini =
    R"~(Your Moon in Taurus and your partner's Moon in Gemini live at different tempos. Taurus feels slowly and deeply and wants to know where it stands; Gemini feels in flashes, needs variety and processes emotions by talking them over. Taurus can find Gemini flighty, and Gemini can find Taurus heavy or set in its ways. Yet there is something here for both of you: Gemini brings fresh ideas and laughter into the Taurus routine, and Taurus gives Gemini a calm place to come home to. Taurus wants touch and reliability, Gemini wants conversation and novelty, so offer affection in the other's language. At home, Taurus keeps order and Gemini keeps the social life going. At work, Gemini sells and Taurus delivers. Let Taurus guide the saving, while Gemini watches for new ways to earn.)~";

constexpr std::string_view kTaurusCancer =
    R"~(The two of you share a deep longing for safety, home and belonging, and this makes your bond one of the most naturally nurturing combinations. The Taurus Moon offers steadiness and physical comfort; the Cancer Moon offers tenderness, memory and emotional attentiveness. Cancer's moods rise and fall, and Taurus can stay calm through them, which Cancer finds deeply reassuring. You show affection through care, cooking and small familiar rituals. Home is the center of your shared life, likely filled with heirlooms, good food and perhaps a growing family. The risk is that together you become so snug that you avoid change or outside challenge. At work you are loyal and protective colleagues. Both of you save and value security, so joint finances tend to grow steadily over time.)~";

constexpr std::string_view kTaurusLeo =
    R"~(A Taurus Moon and a Leo Moon both love luxury, loyalty and warmth, but both are also fixed and proud. Taurus needs stability and physical comfort; Leo needs admiration, play and the feeling of being special. When things go well, you are a glamorous and devoted couple who enjoy the finer things together. When things go wrong, both of you dig in and wait for the other to give way. In love, Leo should not mistake the quiet affection of Taurus for indifference, and Taurus should remember to praise Leo out loud. You both enjoy beautiful surroundings, though Leo may want to entertain more often than Taurus likes. Once committed to a job, you are solid and dependable. Money can be tense, since Leo spends for show and Taurus for lasting value, so agree on what counts as worth it.)~";

constexpr std::string_view kTaurusVirgo =
    R"~(Your Moon in Taurus and your partner's Moon in Virgo meet on solid earth. Both of you feel safest when life is practical, orderly and predictable, and you show love through doing rather than declaring. Taurus brings patience, sensuality and calm; Virgo brings thoughtfulness, attention to detail and a wish to be useful. Virgo's worrying can be soothed by the steadiness of Taurus, while Virgo helps Taurus tackle problems it might otherwise ignore. The romance is quiet but sincere, built on reliability and small gestures. You keep the household clean, comfortable and running smoothly, though Virgo may nag and Taurus may tune it out. At work you are an efficient, trustworthy team. Both of you are careful with money and can build real security, as long as you also allow yourselves to enjoy it.)~";

constexpr std::string_view kTaurusLibra =
    R"~(The two of you share Venus as a ruler, which gives your emotional life a love of beauty, pleasure and peace. The Taurus Moon wants security and sensual comfort; the Libra Moon wants harmony, fairness and companionship. Both dislike ugly scenes, so your home can be gracious and pleasant. The difference is that Taurus is grounded and firm in its tastes, while Libra weighs every option and may change its mind, which can frustrate Taurus. Libra also needs more social contact than Taurus does. You enjoy long dinners, music and shared beauty, and you will happily invest in comfort and decor. In the workplace, Libra handles people and Taurus handles resources. You may both overspend on lovely things, so set shared limits that protect your savings.)~";

constexpr std::string_view kTaurusScorpio =
    R"~(Opposite Moons, Taurus and Scorpio are drawn together by a shared need for loyalty and a deep, physical connection. Taurus wants calm, comfort and simple security; Scorpio wants intensity, emotional truth and complete trust. Both are fixed signs, so once you commit you are very loyal, and once you fight you can both become immovable. Scorpio may test Taurus with hidden feelings, while Taurus may frustrate Scorpio by refusing to explore them. The attraction is strong and the bond can become profound. You need privacy at home, and both of you prefer a small circle of trusted people. As allies at work you are persistent and hard to beat. Taurus builds and Scorpio invests strategically, so you can become a formidable financial partnership if you share control openly.)~";

constexpr std::string_view kTaurusSagittarius =
    R"~(A Taurus Moon and a Sagittarius Moon want very different things from contentment. Taurus finds peace in staying put, savoring routines and familiar comforts; Sagittarius finds it in moving on, exploring and learning something new. Sagittarius can make Taurus feel unsettled, and Taurus can make Sagittarius feel caged. Yet you can give each other a great deal: Sagittarius opens the world of Taurus, and Taurus offers Sagittarius a home worth returning to. Taurus needs commitment spelled out, and Sagittarius needs to be trusted with freedom. Create a solid base with room on the wall for a map of future trips. At work, Sagittarius brings vision and Taurus brings follow-through. Taurus saves and Sagittarius spends on experiences, so write both into the budget.)~";

constexpr std::string_view kTaurusCapricorn =
    R"~(Your Moon in Taurus and your partner's Moon in Capricorn form one of the most dependable pairings in the zodiac. Both of you are earth Moons who prize security, loyalty and long-term plans, and neither of you enjoys emotional chaos. Capricorn can be reserved and serious, and Taurus softens that with warmth, touch and simple pleasures. Taurus can be content to coast, and Capricorn motivates it to aim higher. Trust grows slowly between you but runs deep, and you show affection by keeping your word. You value tradition and a well-kept house. In your careers you are reliable, ambitious and patient. Money is where you shine together, building savings and assets steadily. Just leave time for fun, so that the relationship does not become all duty and no delight.)~";

constexpr std::string_view kTaurusAquarius =
    R"~(The two of you are both stubborn, in very different directions. The Taurus Moon clings to what is known and comforting; the Aquarius Moon wants change, independence and the freedom to be unusual. Taurus feels through the body and the senses, while Aquarius feels through ideas and principles and can seem detached. Without care, Taurus may feel neglected and Aquarius may feel smothered. With understanding, though, Aquarius keeps Taurus from getting stuck, and Taurus reminds Aquarius of the pleasure of ordinary comforts. Agree openly on how much togetherness and how much space each of you needs. Blend household traditions with a few experiments. At work, Aquarius invents and Taurus makes it practical. Taurus favors security and Aquarius favors causes, so budget for both.)~";

constexpr std::string_view kTaurusPisces =
    R"~(A Taurus Moon and a Pisces Moon make a gentle, affectionate pair. Taurus offers calm, solidity and practical care; Pisces offers imagination, empathy and a tender, romantic nature. Pisces' moods can drift and Taurus provides a safe shore, while Pisces brings softness and creativity into the steady life of Taurus. You enjoy music, nature, quiet evenings and physical closeness. Together you create a peaceful, artistic space that feels like a refuge from the world. The challenge is that Pisces may avoid hard truths, and Taurus may hold on to resentment rather than speak it, so make room for honest conversations. At work, Pisces sees the vision and Taurus builds it. Taurus is the natural keeper of the budget, while Pisces may be generous to a fault with friends in need.)~";

constexpr std::string_view kGeminiGemini =
    R"~(Two Gemini Moons turn a relationship into an endless conversation. You both process feelings by talking, joking and thinking them through, and you rarely run out of things to say. Curiosity, variety and mental play keep you close, and boredom is the real enemy. The risk is that you stay on the surface of emotions, analyzing them rather than feeling them, or that restlessness pulls you in different directions. As lovers you are also friends and playmates who keep each other amused. Life at home is busy, full of books, gadgets and visitors. At work you are quick and adaptable, though finishing tasks may need deliberate effort. You can both be impulsive with money, so a simple shared system helps, and regular check-ins about deeper needs keep the bond honest.)~";

constexpr std::string_view kGeminiCancer =
    R"~(Your Moon in Gemini and your partner's Moon in Cancer approach feelings from different angles. Gemini reaches for words, reasons and lightness; Cancer reaches for closeness, comfort and memory. Cancer may feel that Gemini is not taking its emotions seriously, and Gemini may feel weighed down by Cancer's moods. Still, you complement each other: Gemini helps Cancer name and lighten what it feels, and Cancer teaches Gemini the value of emotional loyalty. Cancer needs tenderness and consistency, while Gemini needs freedom to roam mentally and socially. Cancer nests and Gemini brings news from the outside world. At work, Gemini communicates and Cancer supports. Cancer saves for security and Gemini may spend on whims, so give each of you a clear role with the household money.)~";

constexpr std::string_view kGeminiLeo =
    R"~(The two of you form a bright, sociable partnership. The Gemini Moon is witty, curious and quick; the Leo Moon is warm, proud and generous. Gemini enjoys Leo's big heart and dramatic flair, and Leo enjoys Gemini's cleverness and good humor. The friction comes when Leo wants undivided attention and Gemini's focus wanders, or when Gemini teases Leo's pride a little too far. Your love life is playful and expressive, and you enjoy parties, performances and showing off together. The house is lively and often full of guests. In the workplace Leo leads and Gemini promotes, and both enjoy being seen. You can spend freely on fun and appearances, so keep a shared plan and let whichever of you is feeling more practical that month handle the bills.)~";

constexpr std::string_view kGeminiVirgo =
    R"~(A Gemini Moon and a Virgo Moon are both ruled by Mercury, so your emotional lives run through the mind. You both need to talk things over, analyze situations and understand why you feel what you feel. Gemini is breezy, changeable and curious; Virgo is careful, precise and sometimes anxious. Virgo may find Gemini scattered, and Gemini may find Virgo critical. Together, though, you can be an excellent problem-solving team. Show warmth as well as wit, since both of you can overthink instead of simply feeling. Virgo wants order at home and Gemini creates pleasant chaos, so split tasks clearly. At work you are both capable and sharp, with Gemini networking and Virgo refining the details. Virgo's careful eye is a good counterweight to Gemini's spontaneous spending.)~";

constexpr std::string_view kGeminiLibra =
    R"~(Your Moon in Gemini and your partner's Moon in Libra share the light, social touch of the air signs. Both of you need conversation, company and a sense of fairness, and you get along with natural ease. Gemini brings curiosity and quick humor; Libra brings charm, tact and a longing for harmony. Difficult feelings can be smoothed over rather than faced, since neither of you likes heaviness, so make space for honest talk now and then. You enjoy dates, culture and friends, and your romance is full of words and gestures. You like a stylish, sociable home. At work you collaborate gracefully and handle clients well. You can both be indecisive or easily tempted by beautiful things, so agree on a budget together and trust each other to stick with it.)~";

constexpr std::string_view kGeminiScorpio =
    R"~(The two of you are a fascinating but challenging match. The Gemini Moon is light, curious and changeable; the Scorpio Moon is intense, private and all or nothing. Scorpio wants emotional depth and absolute trust, while Gemini wants freedom and variety and may flirt innocently in ways that make Scorpio uneasy. Gemini can find Scorpio too heavy, and Scorpio can find Gemini too shallow. Yet each holds something the other lacks: Gemini can help Scorpio lighten up, and Scorpio can show Gemini how profound feeling can be. Honesty and reassurance matter more here than clever words. Respect Scorpio's privacy and Gemini's social needs under the same roof. At work, Gemini researches widely and Scorpio digs deep. Keep accounts transparent so that money never becomes a source of mistrust.)~";

constexpr std::string_view kGeminiSagittarius =
    R"~(A Gemini Moon and a Sagittarius Moon sit opposite each other, and they share a love of freedom, ideas and adventure. Gemini is curious about everything close at hand; Sagittarius seeks meaning and the far horizon. You can talk for hours, travel at a moment's notice and laugh your way through most problems. The trouble is that neither of you enjoys dwelling on emotions, so difficulties can be avoided until they grow larger than necessary. You are friends, explorers and playful partners all at once. Home is flexible, a base you may not spend much time in. At work, Gemini handles details and communication while Sagittarius sets the vision. Both of you can be careless and optimistic with money, so keep a savings account that neither of you touches on a whim.)~";

constexpr std::string_view kGeminiCapricorn =
    R"~(Your Moon in Gemini and your partner's Moon in Capricorn look at life through different lenses. Gemini is light, adaptable and eager for novelty; Capricorn is serious, disciplined and focused on long-term goals. Capricorn may think Gemini lacks commitment, and Gemini may think Capricorn lacks fun. Yet you can make an effective pair: Capricorn gives Gemini's ideas a framework, and Gemini helps Capricorn relax and see other angles. Capricorn shows devotion through responsibility, while Gemini shows it through conversation and attention, so learn to recognize both. Capricorn wants structure at home and Gemini wants flexibility. At work you combine strategy and communication very well. Capricorn is the planner and Gemini the opportunist, a balance that can be very profitable.)~";

constexpr std::string_view kGeminiAquarius =
    R"~(The two of you are air Moons with a natural mental rapport. Gemini loves ideas, chat and variety; Aquarius loves principles, originality and freedom. You understand each other's need for space and rarely try to possess one another. Friendship sits at the heart of this bond, and you can spend long evenings discussing everything from gossip to the future of humanity. The weak spot is emotional intimacy, since both of you tend to intellectualize feelings rather than sit with them. Make time for simple affection as well as stimulating talk. Expect an unconventional, relaxed household. At work you are inventive and quick, good at brainstorming and networking. Neither of you is much of a hoarder, so a simple savings plan keeps your freedom secure.)~";

constexpr std::string_view kGeminiPisces =
    R"~(A Gemini Moon and a Pisces Moon are both changeable, but one changes through thought and the other through feeling. Gemini wants to understand and talk; Pisces wants to sense and merge. Pisces may feel that Gemini's logic misses the point, while Gemini may find Pisces vague or overly sensitive. Yet you can enchant each other: Gemini is charmed by Pisces' imagination, and Pisces enjoys Gemini's wit and lightness. Be careful with words, because Pisces absorbs them deeply and Gemini may not notice the effect. Pisces needs calm and Gemini needs stimulation, so mix quiet nights in with sociable ones. At work you make a creative team full of stories and ideas. Neither of you is naturally strict with money, so agree on a plan and review it together regularly.)~";

constexpr std::string_view kCancerCancer =
    R"~(Two Cancer Moons create a relationship centered on home, family and emotional closeness. You both need to feel safe, cherished and understood, and you instinctively care for each other in practical and tender ways. Your shared sensitivity means you can read one another without words. The downside is that moods can echo: when one of you withdraws, the other may withdraw too, and hurt feelings can be nursed quietly for a long time. Be generous with reassurance and quick to say what is wrong. You build a warm nest, probably full of keepsakes, good food and loved ones. At work you are loyal and caring, though you may both avoid risk. You save for security and feel calmer with a cushion in place, which makes you a steady financial pair.)~";

constexpr std::string_view kCancerLeo =
    R"~(Your Moon in Cancer and your partner's Moon in Leo both have big hearts, but they show them differently. Cancer is private, protective and sensitive; Leo is expressive, proud and warm. Leo needs to feel admired, and Cancer needs to feel safe and cared for. Leo's generosity can make Cancer feel cherished, and Cancer's devotion gives Leo a loyal audience. Problems arise when Leo's need for attention leaves Cancer feeling neglected, or when Cancer's moods dampen Leo's sunny spirit. Shower each other with affection in the way each prefers. Cancer creates comfort and Leo adds celebration to the home. At work, Leo takes the lead and Cancer looks after the team. Leo likes to treat the family lavishly while Cancer quietly worries about the bills, so a holiday fund you both feed turns that difference into a shared pleasure.)~";

constexpr std::string_view kCancerVirgo =
    R"~(The two of you are caretakers at heart. The Cancer Moon nurtures through tenderness and emotional support; the Virgo Moon nurtures through practical help and attention to detail. You both want to be useful to those you love, and you notice what the other needs. Virgo's calm reasoning can steady Cancer's moods, while Cancer's warmth helps Virgo ease off its self-criticism. The bond is gentle and devoted, though Virgo's critiques may hurt Cancer more than intended. You make a tidy, cozy and well-run household. At work you are reliable and supportive colleagues who care about doing things properly. You are both prudent with money and like to plan ahead, so you are likely to build security together, perhaps with a little too much worry along the way.)~";

constexpr std::string_view kCancerLibra =
    R"~(A Cancer Moon and a Libra Moon both want a loving partnership, but they look for it in different ways. Cancer needs emotional closeness, loyalty and a secure home; Libra needs harmony, fairness and a pleasant social life. Both are cardinal signs, so each likes to steer, Cancer through feeling and Libra through diplomacy. Libra may seem a little detached to Cancer, while Cancer may seem too intense or moody to Libra. Still, both of you care deeply about the relationship and want peace. Libra's charm and Cancer's devotion make a romantic pair, provided you talk about feelings rather than tiptoe around them. Libra brings style to the home and Cancer brings warmth. At work you are considerate and cooperative. Cancer saves and Libra spends on beauty and company, so agree on a fair split.)~";

constexpr std::string_view kCancerScorpio =
    R"~(Your Moon in Cancer and your partner's Moon in Scorpio share the deep waters of emotion. Both of you feel intensely, value loyalty above almost everything and understand the need for privacy. Cancer offers tenderness and nurturing; Scorpio offers passion and unwavering protection. You sense each other's moods easily, which makes the bond feel profound and almost psychic. The risk is that hurt feelings go unspoken, with Cancer retreating and Scorpio brooding, so honesty must be practiced deliberately. This is a powerful and devoted romantic match. You create a safe, private world at home where outsiders are rarely invited. At work you are intuitive and determined. Both of you value security and can be shrewd with money, so you tend to build solid reserves together.)~";

constexpr std::string_view kCancerSagittarius =
    R"~(The two of you may find each other puzzling at first. The Cancer Moon seeks safety, home and emotional closeness; the Sagittarius Moon seeks freedom, travel and a wider view. Cancer may feel that Sagittarius is always halfway out the door, and Sagittarius may feel that Cancer wants to keep it indoors. Yet Sagittarius can lift Cancer's spirits with humor and optimism, and Cancer can give Sagittarius a warm place to return to. Sagittarius must be careful with blunt words, and Cancer with clinging. Cancer makes the nest and Sagittarius fills it with stories and visitors. At work, Sagittarius brings big ideas and Cancer cares for people. Money works when Cancer's savings jar and the Sagittarius travel fund sit side by side and neither raids the other.)~";

constexpr std::string_view kCancerCapricorn =
    R"~(A Cancer Moon and a Capricorn Moon sit opposite each other and form a classic pairing of heart and structure. Cancer brings warmth, tenderness and emotional attentiveness; Capricorn brings stability, responsibility and practical strength. Both of you value family, tradition and security, and you can build something lasting together. Tension arises when Cancer wants more emotional expression than Capricorn naturally shows, or when Capricorn's focus on work makes Cancer feel neglected. Capricorn should show affection openly, and Cancer should appreciate effort as a form of care. Whether running a business or a household, Capricorn sets the plan and Cancer notices who is struggling. Both of you save carefully, making this a strong financial match.)~";

constexpr std::string_view kCancerAquarius =
    R"~(Your Moon in Cancer and your partner's Moon in Aquarius have very different emotional styles. Cancer feels deeply and needs closeness, reassurance and a secure home; Aquarius values independence and approaches feelings with reason and some detachment. Cancer may feel that Aquarius is distant, while Aquarius may feel smothered by Cancer's needs. Yet you can learn from each other: Cancer teaches Aquarius emotional warmth, and Aquarius shows Cancer the freedom of a wider perspective. Agree on how you express care and how much space each needs. Cancer wants a cozy nest and Aquarius wants room for friends and experiments. At work, Aquarius innovates and Cancer looks after people. Cancer keeps a cushion for the family while Aquarius would happily donate to a cause, so write down together what each pot is for.)~";

constexpr std::string_view kCancerPisces =
    R"~(The two of you are water Moons who understand each other's moods almost without speaking. Cancer is nurturing and protective; Pisces is compassionate, imaginative and gentle. You both value emotional closeness, kindness and a peaceful home, and you can create a tender, romantic bond. The challenge is that neither of you is comfortable with confrontation, so problems may be avoided rather than faced, and moods can wash back and forth between you like tides. Your affection is devoted and generous. You build a soft, dreamy refuge, perhaps filled with art and music. At work you are caring and intuitive, good at helping others. Cancer is the careful saver and Pisces may be generous or vague about money, so let Cancer steer the budget while Pisces keeps the heart of the home.)~";

constexpr std::string_view kLeoLeo =
    R"~(Two Leo Moons under one roof means twice the warmth and twice the need to be seen. Each of you feels safest when appreciated out loud, and each of you gives lavishly when that appreciation flows back. The danger is not coldness but rivalry: if one partner always holds the spotlight, the other's pride quietly bruises, and a wounded Leo Moon tends to sulk rather than ask for what it wants. In love you can be wonderfully demonstrative, full of grand gestures, loyal defense of each other and a shared appetite for celebration. At home you will both want a space that feels impressive and welcoming, and you may clash over whose taste wins. At work you shine as a team when you divide the stage, each leading a separate area. Money tends to leave quickly on pleasures and presents, so agree on a set budget for splendor and make a habit of praising each other first.)~";

constexpr std::string_view kLeoVirgo =
    R"~(Your Moon in Leo and your partner's Moon in Virgo meet as zodiac neighbors with very different ways of caring. The Leo Moon needs warmth, applause and a sense of being special; the Virgo Moon shows love through careful attention, practical help and small repairs that often go unannounced. Trouble starts when Virgo's well-meant critique lands on Leo's pride as rejection, or when Leo's dramatic moods strike Virgo as a waste of energy. Learn to translate: a tidied desk or a packed lunch is a Virgo love letter, and a loud compliment is Leo's version of the same. At home, Virgo keeps the machinery running while Leo supplies the generosity and the guests. In work the pairing is strong, with Leo presenting the show and Virgo perfecting every detail behind it. With money, Virgo's caution can restrain Leo's lavish streak, provided the limits are offered as partnership rather than judgment.)~";

constexpr std::string_view kLeoLibra =
    R"~(The two of you share a love of beauty, company and graceful living, and your moods tend to lift each other. A Leo Moon wants to be adored and a Libra Moon wants harmony and fair exchange, so affection usually moves easily between you, with compliments, outings and thoughtful gestures on both sides. The friction is subtle: Libra may hide displeasure to keep the peace, while Leo may assume everything is fine because nobody complained. Ask each other directly now and then, and mean it. Your home is likely to be attractive and sociable, a place friends enjoy visiting, though choosing furniture can take Libra weeks while Leo wants the statement piece today. At work you present a charming front, Libra negotiating and Leo inspiring the room. Money is your soft spot, because both of you enjoy fine things, so set a shared savings goal that feels as glamorous as any purchase.)~";

constexpr std::string_view kLeoScorpio =
    R"~(Your Moon in Leo and your partner's Moon in Scorpio bring two fixed, intense hearts together, and neither of you does anything by halves. Leo needs open admiration and warmth; Scorpio needs deep trust, privacy and total emotional honesty. The attraction can be magnetic, but so can the standoffs, since both of you dig in when hurt and neither likes to apologize first. Leo's public displays may leave Scorpio feeling exposed, while Scorpio's silences can leave Leo feeling unloved. Loyalty is your bridge: once you both feel secure, you defend each other fiercely against the world. At home, give Scorpio a retreat and Leo a stage, perhaps quite literally in different rooms. At work you are a formidable pair when aiming at the same target, Leo fronting and Scorpio quietly strategizing. Where money is concerned, Scorpio's secrecy and Leo's generosity need clear, shared accounts so suspicion never gets a foothold.)~";

constexpr std::string_view kLeoSagittarius =
    R"~(Fire answers fire in this pairing, and the two of you tend to feel at ease almost immediately. A Leo Moon craves warmth and recognition, a Sagittarius Moon craves freedom, laughter and fresh horizons, and both are generous, hopeful and quick to forgive. Emotional life between you is lively rather than brooding. The snag is that Sagittarius can be bluntly candid, or drift toward the next adventure just when Leo wants devoted attention, and Leo's demand for loyalty can start to feel like a leash. Keep affection loud and freedom real. At home you may be out more often than in, filling the calendar with trips, parties and projects, so someone has to remember the bills. At work you spark ideas and enthusiasm but may leave the finishing undone; bring in a steady helper. Money comes and goes easily for you both, so an automatic savings transfer will protect your shared dreams from your shared impulses.)~";

constexpr std::string_view kLeoCapricorn =
    R"~(At first glance this looks like an odd match, warm display on one side and dignified reserve on the other. Yet your Leo Moon and your partner's Capricorn Moon both care about standing, achievement and doing things properly, and that shared ambition can become a sturdy bond. Leo needs affection shown openly and often, while Capricorn expresses love through responsibility and long-range planning, and can seem chilly when absorbed in work. Leo may feel neglected, and Capricorn may find Leo's moods extravagant. Name your needs plainly: Leo asks for the compliment, Capricorn asks for patience while it warms up. In the household, Capricorn builds the framework and Leo fills it with color and company. Professionally this is a powerful combination of visionary and manager. Capricorn's thrift checks Leo's spending, and Leo in turn reminds Capricorn that success is also meant to be enjoyed.)~";

constexpr std::string_view kLeoAquarius =
    R"~(You sit opposite each other on the zodiac wheel, which gives this pairing a strong pull and a built-in tension. A Leo Moon wants personal warmth and to be the center of a loved one's world; an Aquarius Moon wants friendship, independence and room for its many causes and people. Leo can feel that Aquarius is cool or distracted, and Aquarius can feel that Leo asks for too much attention. Both of you are stubborn, so disagreements can freeze solid. What works is seeing how you complete each other: Leo teaches Aquarius to enjoy being adored, and Aquarius teaches Leo to look beyond personal pride. Expect an unusual, sociable household with friends drifting in and out at all hours. On the job you combine flair with original thinking, which suits creative ventures and community work. Agree early on how much of your income goes to fun, how much to causes and how much to savings.)~";

constexpr std::string_view kLeoPisces =
    R"~(Imagination and romance are where your Leo Moon and your partner's Pisces Moon first find each other. Leo brings warmth, confidence and a protective spirit, and Pisces brings tenderness, intuition and an uncanny grasp of unspoken feelings. Pisces often adores Leo, which Leo loves, and Leo's sunny strength can make Pisces feel safe in a harsh world. Difficulties come when Leo's bold frankness hurts Pisces, who then withdraws without a word, or when Pisces' shifting moods and need to escape leave Leo unsure where it stands. Gentle honesty helps both of you. Together you can make a cozy, artistic home full of music, color and comfort, though ordinary chores may be neglected by both. At work, Leo can champion Pisces' creative gifts and Pisces can soften Leo's style of leadership. Money requires care: Leo spends for show and Pisces spends from feeling, so keep a simple record of where it goes.)~";

constexpr std::string_view kVirgoVirgo =
    R"~(Two Virgo Moons understand each other's need for order, usefulness and calm routine without a word of explanation. You show love by doing things: fixing, planning, remembering the appointment, improving the recipe. The home you share will probably run smoothly, with sensible systems and a spotless kitchen. The danger is that your critical eyes, so helpful for tasks, turn on each other or inward, and worry feeds worry until small problems look enormous. Practice praising each other as carefully as you correct. Romantically you may be shy about voicing feelings, so build little rituals of affection that feel as natural as a daily checklist. At work you are a meticulous, dependable team, though you may need outside encouragement to take bold risks. You are both careful savers and sensible budgeters, and your main financial task is allowing yourselves an occasional pleasure without guilt.)~";

constexpr std::string_view kVirgoLibra =
    R"~(Your Moon in Virgo and your partner's Moon in Libra both value order, though of different kinds. Virgo wants things to work properly and relaxes when routines are clear; Libra wants things to feel balanced and pleasant and is soothed by beauty and harmony. Neither of you likes crude scenes, so your emotional life is polite and considerate, perhaps too polite when something really needs saying. Virgo may find Libra indecisive, and Libra may find Virgo's corrections a little sharp. Libra offers charm and companionship in love while Virgo offers devoted, practical care. You can create a home that is both efficient and lovely, if Virgo handles the logistics and Libra chooses the look. Professionally you are a refined team, precise and diplomatic at once. Virgo's budgeting pairs well with Libra's taste, as long as you agree in advance which luxuries are truly worth paying for.)~";

constexpr std::string_view kVirgoScorpio =
    R"~(The two of you share a private, thoughtful emotional style, and trust tends to grow steadily between you. A Virgo Moon feels secure through competence, order and being genuinely useful, while a Scorpio Moon feels secure through depth, loyalty and complete honesty. Virgo's careful analysis helps Scorpio make sense of powerful feelings, and Scorpio's intensity helps Virgo dare to feel more than it thinks. Problems arise when Virgo's criticism touches an old Scorpio wound, or when Scorpio's suspicion meets Virgo's anxious overthinking. Speak plainly and keep no secret ledgers of grievances. At home you both prize quiet, privacy and a well-kept retreat from the world. At work you make excellent researchers, investigators or problem solvers, patient and thorough. Money tends to be handled shrewdly, with Virgo tracking details and Scorpio spotting long-term opportunities, a strong base for security.)~";

constexpr std::string_view kVirgoSagittarius =
    R"~(Your Moon in Virgo and your partner's Moon in Sagittarius stand at a square, which means you approach life from very different angles. Virgo needs order, detail and the sense that things are done properly; Sagittarius needs space, adventure and the big picture, and can find checklists suffocating. Virgo may judge Sagittarius careless, and Sagittarius may think Virgo worries far too much. Still, both are adaptable mutable signs, and both are curious, lifelong learners. Appreciate what the other brings to love: Sagittarius lifts Virgo's spirits and widens its horizon, while Virgo gives Sagittarius a reliable place to return to. Agree on a few firm house rules and let the rest stay flexible. In work, Sagittarius sketches the vision and Virgo makes it workable. Virgo's budgeting can rescue Sagittarius' optimism from costly leaps, provided Virgo does not police every purchase.)~";

constexpr std::string_view kVirgoCapricorn =
    R"~(Earthy good sense is your common ground, and you tend to feel comfortable together almost from the start. A Virgo Moon finds peace in useful routines and careful work; a Capricorn Moon finds it in structure, achievement and long-term plans. Neither of you needs theatrical displays of love, and both of you value loyalty proven through steady deeds. The risk is that life becomes all duty and no delight, with feelings left unspoken because there is always another task waiting. Schedule tenderness if you must, and let yourselves play. Your household will be orderly and dependable, probably with good storage and a sensible budget pinned to the fridge. As colleagues you are outstanding: Capricorn sets the direction, Virgo refines the process, and deadlines are met. Saving, planning and investing come naturally to you both, though you may need to remind each other that rest is also an investment.)~";

constexpr std::string_view kVirgoAquarius =
    R"~(Both of you approach feelings through the mind, which can make this a thoughtful, if slightly cool, connection. Your Virgo Moon wants to be useful and to see practical improvements; your partner's Aquarius Moon wants freedom, ideas and a sense of contributing to something larger than the two of you. You may share interests in science, health, social reform or technology, and you respect each other's intelligence. The friction lies in style: Virgo likes routine and detail, Aquarius likes surprises and bending rules, and each may privately think the other rather odd. Make room for warmth, since neither of you finds softer emotions easy to express. Virgo tends the daily order of the house while Aquarius brings unusual ideas and a stream of friends. At work you form an inventive yet grounded team. Virgo's caution and Aquarius' unpredictable spending need a clear, written plan you both accept.)~";

constexpr std::string_view kVirgoPisces =
    R"~(Opposite signs often share a deep mutual fascination, and your Virgo Moon and your partner's Pisces Moon are no exception. Virgo needs order, clarity and practical usefulness; Pisces needs compassion, imagination and emotional merging. Virgo can help Pisces stay grounded, and Pisces can help Virgo relax into feeling without analyzing everything. Both of you are caring and eager to serve, which gives the relationship a gentle, devoted quality. Even so, Virgo may grow frustrated with Pisces' vagueness, and Pisces may feel wounded by Virgo's precise remarks. Soften corrections and put dreams into words. At home, Virgo brings order and Pisces brings atmosphere, creating a space both sensible and soothing. Your working life suits healing or creative service, combining detail with inspiration. Money needs Virgo's bookkeeping, while Pisces' generosity reminds you that kindness counts too.)~";

constexpr std::string_view kLibraLibra =
    R"~(Two Libra Moons build a relationship of courtesy, beauty and companionship. Each of you needs harmony to feel safe, enjoys shared pleasures and knows exactly how to make the other feel appreciated. Quarrels are rare and usually gentle. The hidden risk is that both of you avoid conflict so skillfully that real grievances never surface, and decisions drift because each waits for the other to choose. Take turns being the one who decides, and give honest feelings the same respect you give good manners. You are natural romantics who enjoy dinners, galleries and evenings with friends. Your home will be elegant and balanced, though you may debate paint colors for months. As a professional team you are diplomatic and attractive, excellent at negotiation and client relations. Your shared love of comfort can strain the budget, so plan treats together instead of buying on a whim.)~";

constexpr std::string_view kLibraScorpio =
    R"~(Your Moon in Libra and your partner's Moon in Scorpio sit side by side in the zodiac, yet your emotional languages differ. Libra seeks balance, pleasant company and fair dealing, while Scorpio seeks intensity, depth and absolute loyalty. Scorpio may find Libra's lightness superficial, and Libra may find Scorpio's emotional storms overwhelming. The attraction, however, can be strong, since Libra's charm draws Scorpio out and Scorpio's passion gives Libra something real to answer. Trust must be earned openly: Libra's friendliness toward others can stir Scorpio's jealousy, so reassurance matters. Domestically, Libra brings grace and Scorpio brings privacy, a lovely and secluded combination. At work, Libra handles people while Scorpio handles strategy and hidden details. Scorpio prefers control over finances and Libra prefers sharing, so open, joint decisions will keep resentment away.)~";

constexpr std::string_view kLibraSagittarius =
    R"~(Yours is an easy, sociable and optimistic connection. A Libra Moon needs companionship, fairness and pleasant surroundings; a Sagittarius Moon needs freedom, adventure and meaning. You enjoy each other's company, laugh readily, and both love people, travel and ideas. Libra softens Sagittarius' bluntness, while Sagittarius encourages Libra to stop weighing options and simply go. The challenge is that Libra wants a steady partnership and may feel neglected when Sagittarius roams, whereas Sagittarius may find Libra's need to consider every angle slow. Keep plans flexible but shared. You may host often and travel often, so your home feels more like a welcoming base camp than a fortress. In work, Libra negotiates and Sagittarius inspires. Money slips through both your hands on experiences and beautiful things, so a joint fund for adventures will serve you well.)~";

constexpr std::string_view kLibraCapricorn =
    R"~(A square links your Libra Moon with your partner's Capricorn Moon, pairing grace with ambition. Libra needs harmony, partnership and beauty; Capricorn needs security, structure and visible progress. Both are cardinal signs, so each of you wants to lead in your own manner, Libra through charm and Capricorn through authority. Capricorn may see Libra as indecisive, and Libra may see Capricorn as cold or controlling. Yet you share a respect for convention and a wish to build a life that looks good from outside and feels solid within. Capricorn needs patience to open up, and Libra needs tangible signs of commitment. Capricorn lays the foundations of the home and Libra shapes its atmosphere, producing a dignified, well-run household. At work you are polished and strategic together. Capricorn's saving and Libra's love of quality can agree on buying fewer, better things.)~";

constexpr std::string_view kLibraAquarius =
    R"~(Conversation flows easily between your Libra Moon and your partner's Aquarius Moon, two air signs who feel most alive when ideas are moving. Libra needs partnership, balance and beauty; Aquarius needs freedom, friendship and ideals. You tend to handle conflict through discussion rather than drama, and you share a lively social life. Libra brings warmth and courtesy, while Aquarius brings originality and a wide circle of acquaintances. The main gap is that Libra longs for a close, romantic bond, and Aquarius can seem detached or more devoted to friends and causes. Aquarius may also find Libra's wish to please a little conventional. Share enough intimacy to keep the friendship romantic. Your home will likely be open and hospitable, full of books and guests. You collaborate well in design, law or social projects. Handle money through clear agreements, since neither of you enjoys arguing about it.)~";

constexpr std::string_view kLibraPisces =
    R"~(A shared longing for love, beauty and peace draws your Libra Moon and your partner's Pisces Moon together. Both of you are gentle, romantic and sensitive to atmosphere, and you can create a relationship full of kindness and artistic pleasures. Libra seeks balance and reason, while Pisces seeks emotional merging and trusts intuition, so Libra may find Pisces' moods murky, and Pisces may find Libra's fairness rather cool. Neither of you enjoys confrontation, which means problems can be quietly avoided until they grow. Speak honestly and often, even when it feels awkward. You can make a lovely, soothing retreat of your home, with music and soft colors, though practical tasks may slip. In work you suit creative or caring fields, Libra organizing and Pisces inspiring. Both of you can be generous to a fault and vague about costs, so a clear budget protects your dreams.)~";

constexpr std::string_view kScorpioScorpio =
    R"~(Two Scorpio Moons create a bond of rare intensity. Each of you feels deeply, loves completely and needs absolute loyalty, and you recognize each other's hidden depths without explanation. This can produce extraordinary intimacy and trust. It can also produce power struggles, since both of you are private, strong-willed and slow to forgive, and jealousy or silence can turn a small hurt into a long cold war. Agree to voice your fears before they harden into suspicions. As lovers you are passionate, protective and devoted. You want a private sanctuary at home, comfortable and secure, where the outside world cannot intrude. At work you are a determined team, good at research, strategy and handling crises. You can be shrewd investors and savers, but shared finances require full transparency, because hidden accounts would damage your trust more than anything else could.)~";

constexpr std::string_view kScorpioSagittarius =
    R"~(Your Moon in Scorpio and your partner's Moon in Sagittarius live next door on the zodiac but in very different emotional climates. Scorpio needs depth, privacy and unbroken loyalty; Sagittarius needs freedom, honesty and room to roam. Scorpio may see Sagittarius as restless or careless with feelings, while Sagittarius may see Scorpio as possessive or heavy. Yet both of you are seekers of truth, Scorpio through investigation and Sagittarius through exploration, and this shared quest can unite you. Scorpio must offer trust without control, and Sagittarius must offer consistency without losing spontaneity. Give Scorpio a private corner of the house and give Sagittarius good reasons to come home. Professionally you combine insight with vision, well suited to research, teaching or publishing. Scorpio's caution can balance Sagittarius' financial optimism, if limits are agreed openly.)~";

constexpr std::string_view kScorpioCapricorn =
    R"~(Seriousness, loyalty and strong ambition run through both your Moons, and your emotional bond tends to deepen with time. A Scorpio Moon needs intensity and trust, while a Capricorn Moon needs security, respect and steady progress. Both of you are reserved at first, but once committed you are reliable and protective. Scorpio's emotional depth can warm Capricorn's restraint, and Capricorn's stability soothes Scorpio's fears. The risk lies in control: both of you like to be in charge, and cold silences can replace discussion. Treat vulnerability as a sign of strength rather than weakness. You create a solid, private household with clear rules and long-term plans. At work you are strategic and persistent, especially in finance, management or research. Money is a natural strength, since you both save, invest and plan for the future with great patience.)~";

constexpr std::string_view kScorpioAquarius =
    R"~(Two fixed signs meet at a square here, each stubborn and convinced of its own way. Your Scorpio Moon needs intense emotional closeness and loyalty; your partner's Aquarius Moon needs independence, friendship and space to think. Scorpio may experience Aquarius as detached, and Aquarius may experience Scorpio as possessive. Yet you share a fascination with hidden truths and unusual ideas, and neither of you will settle for shallowness. Scorpio must allow Aquarius its freedom, and Aquarius must show feelings more openly than comes naturally. Agree on which spaces at home are shared and which are private, because both of you guard your territory. In your working life you can be brilliant innovators, combining research with originality. Clear agreements about money are essential, since Scorpio wants control and Aquarius bristles at restrictions of any kind.)~";

constexpr std::string_view kScorpioPisces =
    R"~(The two of you understand each other's emotional depths almost by instinct, as two water signs sharing the same tides. A Scorpio Moon needs intensity, loyalty and trust; a Pisces Moon needs compassion, tenderness and spiritual connection. Scorpio's strength protects Pisces, and Pisces' gentleness soothes Scorpio's suspicious side. Together you can build an intimate bond where much is understood without words. The risk is that moods feed each other, and Scorpio's need for control or Pisces' evasiveness can breed confusion. Honesty keeps the waters clear. Your home can become a cozy, private sanctuary, perhaps near water or full of art and music. You are suited to healing, creative or research work, where intuition matters. Scorpio's prudence can steady Pisces' open-handed generosity, though both should keep clear records to avoid misunderstandings.)~";

constexpr std::string_view kSagittariusSagittarius =
    R"~(Optimism, humor and a shared hunger for freedom define two Sagittarius Moons together. Each of you needs space, adventure and meaning, and you understand each other's restlessness perfectly. Life together can be packed with travel, study and laughter, and neither of you will ever feel caged by the other. The risk is that nobody stays home to tend the practical side, and commitments can be postponed indefinitely. Bluntness on both sides can sting, though you forgive quickly. Keep your adventures shared rather than separate, or you may drift apart while chasing different horizons. You may prefer a flexible base to a fixed nest, but a few stable routines will help you both. At work you inspire each other with big ideas, though you may need help finishing the details. You are generous and impulsive with money, so set savings aside before planning the next journey.)~";

constexpr std::string_view kSagittariusCapricorn =
    R"~(Your Moon in Sagittarius and your partner's Moon in Capricorn sit next to each other in the zodiac, yet their temperaments contrast sharply. Sagittarius needs freedom, optimism and new horizons; Capricorn needs structure, responsibility and steady progress. Capricorn may find Sagittarius careless, and Sagittarius may find Capricorn too serious. Yet you can balance each other well: Sagittarius brings humor and vision, and Capricorn brings practical ways to make the vision real. Sagittarius must show reliability, and Capricorn must allow space for play. Capricorn creates order in the home, while Sagittarius fills it with books, travel souvenirs and friends. At work you join ambition with inspiration, which is ideal for long-term projects. Capricorn's thrift protects Sagittarius' spontaneity, if you both agree on a plan and review it together from time to time.)~";

constexpr std::string_view kSagittariusAquarius =
    R"~(Freedom, ideas and friendship come naturally to the two of you, and you get along with remarkable ease. A Sagittarius Moon needs adventure and meaning; an Aquarius Moon needs independence and originality. Neither of you clings, and you both enjoy giving each other plenty of space. Together you can explore philosophies, causes and distant places with shared enthusiasm. The risk is emotional distance, since both of you may sidestep deeper feelings in favor of discussion and plans. Make time for intimacy and honest talk, especially when something hurts. Expect an unconventional, sociable household with friends dropping in unannounced. At work you are creative and progressive, good at teaching, technology or social projects. Both of you may be careless with money, so a simple plan keeps your freedom affordable and your future open.)~";

constexpr std::string_view kSagittariusPisces =
    R"~(Your Moon in Sagittarius and your partner's Moon in Pisces form a square between two mutable, idealistic signs that share an old ruler in Jupiter. Sagittarius needs freedom, candor and a horizon to chase; Pisces needs compassion, closeness and a partner who senses what goes unsaid. You are both dreamers, drawn to faith, art, music or faraway places, and you can spend happy hours imagining the life you might lead. The trouble is tone: Sagittarius tells the truth like a cheerful arrow and forgets it can wound, while Pisces absorbs the hurt and slips away rather than saying so. Let kindness lead, and check in after hard words. Around the house neither of you is naturally tidy, so divide chores deliberately instead of hoping they get done. In work you can inspire others through teaching, healing or the arts. Both of you give freely and plan loosely, so a clear budget keeps your dreams alive.)~";

constexpr std::string_view kCapricornCapricorn =
    R"~(Two Capricorn Moons recognize each other as kindred spirits: serious, responsible and quietly determined to build a secure life. Each of you feels safe when plans are in place and effort is rewarded, and you respect the other's ambition instead of resenting it. Love between you is shown through reliability, kept promises and turning up on time, not through flowery speeches. The risk is that the relationship starts to resemble a well-run company, with feelings filed away because there is always more work. Both of you may hide loneliness or fear behind competence, each waiting for the other to crack first. Make room for softness, humor and unplanned afternoons. Your household will be stable, traditional and carefully maintained. At work you are a disciplined, strategic team that others trust with responsibility. Money is handled prudently and your savings may grow impressive; just remember to spend some of it on joy.)~";

constexpr std::string_view kCapricornAquarius =
    R"~(Your Moon in Capricorn and your partner's Moon in Aquarius are zodiac neighbors who share an old ruler in Saturn, which gives you both a certain reserve and a respect for principle. The difference lies in what you do with it: Capricorn honors tradition, structure and proven methods, while Aquarius questions rules and looks for a better system for everyone. Capricorn may find Aquarius unpredictable and aloof, and Aquarius may find Capricorn rigid or too concerned with status. Neither of you gushes, so affection can stay hidden unless you make it visible; a regular evening set aside purely for each other helps. At home, Capricorn's order can give shape to Aquarius' inventive ideas, producing a household that is practical yet slightly unusual. At work you pair reliable execution with fresh vision, ideal for reform from within an institution. Capricorn's prudence steadies Aquarius' financial experiments, and Aquarius keeps Capricorn from clinging to outdated investments.)~";

constexpr std::string_view kCapricornPisces =
    R"~(Earth holds water in this gentle, supportive sextile between your Capricorn Moon and your partner's Pisces Moon. Capricorn needs security, structure and a sense of steady progress; Pisces needs compassion, imagination and freedom to follow its feelings. Capricorn offers Pisces a safe harbor and practical guidance, while Pisces softens Capricorn's reserve and reminds it that not everything of value can be measured. This can become a deeply caring partnership. Friction appears when Capricorn grows impatient with Pisces' drifting, or when Pisces feels that Capricorn's sober realism leaves no room for dreams. Listen before advising. At home, Capricorn manages the bills and repairs while Pisces creates a soothing, imaginative atmosphere. At work you blend discipline with creativity, suited to art, care or any field needing both vision and order. Capricorn tends to save while Pisces tends to give, so agree on what share is set aside for generosity.)~";

constexpr std::string_view kAquariusAquarius =
    R"~(Two Aquarius Moons build a partnership on friendship, independence and a shared fascination with ideas. Each of you needs room to be your own peculiar self, and you grant that freedom without resentment, which is rare and precious. Conversations can run late into the night, touching on politics, science, the future and whatever new cause has caught your eye. The risk is emotional distance: both of you prefer to reason about feelings rather than feel them, and a problem can be discussed endlessly without anyone admitting to being hurt. Practice saying simple things, such as 'I missed you' or 'that upset me'. Your home will likely be unconventional, full of gadgets, books and friends from every walk of life. At work you innovate brilliantly together, especially in technology or community projects. You may fund ideals before necessities, so keep a basic plan that covers the rent before the revolution.)~";

constexpr std::string_view kAquariusPisces =
    R"~(Your Moon in Aquarius and your partner's Moon in Pisces sit side by side at the end of the zodiac, both idealistic and both a little otherworldly. Aquarius needs freedom, ideas and a sense of purpose shared with a community; Pisces needs compassion, intimacy and emotional connection. You are united by a wish to make the world kinder, and you may share interests in art, spirituality or humanitarian causes. The difficulty is temperature: Pisces longs for close, tender merging, while Aquarius feels crowded by too much emotion and may retreat into detachment. Pisces can then feel rejected, and Aquarius puzzled. Aquarius should show warmth in plain gestures, and Pisces should state needs clearly rather than hoping they are guessed. At home, blend Aquarius' originality with Pisces' love of comfort. At work you combine vision with intuition. Neither of you is naturally careful with money, so a simple shared plan is essential.)~";

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
