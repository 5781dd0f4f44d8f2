#include "content/NumerologyCombinationTexts.h"
// Written for this program; every text is its own.
namespace content {
namespace {

constexpr std::string_view k11 =
    R"~(Put two natural captains on one ship and every change of course can spark a combat of egos. Agree on who leads which voyage, and count each other's triumphs as your own.)~";

constexpr std::string_view k22 =
    R"~(As alike as twins, you soothe each other's worries before they are even spoken. Guard that gentle harmony by voicing small complaints early, before politeness lets them grow.)~";

constexpr std::string_view k33 =
    R"~(Jokes, songs and half-painted canvases crowd a home shared by two 3s. Take turns being the grown-up who pays the bills, so your brightest ideas actually get finished.)~";

constexpr std::string_view k44 =
    R"~(Brick by brick, you two 4s build a life that can weather any storm. Leave some room in the schedule for spontaneity, though, because love run like a timetable loses its tenderness.)~";

constexpr std::string_view k55 =
    R"~(Suitcases stay half-packed when two 5s fall in love. Agree on a few anchors, such as a home base or a weekly ritual. That way your adventures keep bringing you back together.)~";

constexpr std::string_view k66 =
    R"~(Soup on the stove, a spare bed for any friend in need: your home is everyone's refuge. Pamper each other just as lavishly, but leave room to solve some problems alone.)~";

constexpr std::string_view k77 =
    R"~(Comfortable silences, shelves of books and talks that run past midnight suit a pair of 7s. Still, say what you feel out loud; two private thinkers can drift into parallel lives.)~";

constexpr std::string_view k88 =
    R"~(Ambition doubles when two 8s join forces, and success tends to come early. Leave the boardroom manner at the door, though: at home you thrive on tenderness, not on power.)~";

constexpr std::string_view k99 =
    R"~(You two 9s share lofty ideals and a deep bond, and healing a hurting world comes to you as naturally as breathing. Ideals need footing, so make one plan a year purely practical and see it through together.)~";

constexpr std::string_view k12 =
    R"~(This is a good match. The 1 sets the direction, the 2 smooths the path, and life runs pleasantly for you both. Just keep the roles from hardening: the 1 should ask for the 2's view, and the 2 should offer it unasked.)~";

constexpr std::string_view k21 =
    R"~(Comfortable from the start, you quickly settle into a happy pattern in which the 1 decides and the 2 supports. Shake up those fixed roles now and then by letting the gentler partner choose the plan.)~";

constexpr std::string_view k13 =
    R"~(A 1 with a plan and a 3 with a sketchbook make lively companions, and your joint projects tend to be bold and original. Share the credit as you share the work, and take your bows together.)~";

constexpr std::string_view k31 =
    R"~(A 1 with a plan and a 3 with a sketchbook make lively companions, and your joint projects tend to be daring and original. Share the credit as you share the work, and take your bows together.)~";

constexpr std::string_view k14 =
    R"~(Initiative meets persistence: the 1 lights the spark, the 4 keeps the fire fed. The 1 hates waiting and the 4 hates rushing, so settle on a tempo you can share.)~";

constexpr std::string_view k15 =
    R"~(Restless spirits both, you would rather chase a sunrise than draw up a budget. Set a few shared goals early, or independence may quietly become distance.)~";

constexpr std::string_view k16 =
    R"~(Ambition and nurture share a roof gracefully when the 1 brings drive and the 6 brings warmth. Just make sure you both notice the caregiver's work, and repay it in kind.)~";

constexpr std::string_view k17 =
    R"~(Action and contemplation rarely sit so close, and each of you can sharpen the other. Give the 7 unhurried hours alone, and trust the 1 to move before every question is answered.)~";

constexpr std::string_view k18 =
    R"~(High achievers both, you can climb remarkably far as a team, provided you map out clear territories of authority early, since two hands on one steering wheel invite a crash.)~";

constexpr std::string_view k19 =
    R"~(You have drive enough to start anything and compassion enough to make it worth doing. The 9 can teach the 1 generosity, and the 1 can help the 9 aim kindness where it counts.)~";

constexpr std::string_view k23 =
    R"~(You light up any party, the 3 with sparkling talk and the 2 with quiet warmth. At home the 2 needs reassurance, and the 3's playful promises count only once they are kept.)~";

constexpr std::string_view k24 =
    R"~(Patient, loyal and steady, you build trust one ordinary day at a time. Since neither of you loves risk, dare each other toward something new each year, and share your private dreams.)~";

constexpr std::string_view k25 =
    R"~(Closeness on one side, open roads on the other: you make an unlikely but intriguing pair. Tolerance is the key, so the 5 should keep coming home and the 2 should let the wanderer roam.)~";

constexpr std::string_view k26 =
    R"~(Looking after the people you love is a joy you both share. Amid so much giving, remember to ask for care too, so neither of you quietly runs dry.)~";

constexpr std::string_view k27 =
    R"~(Intuition runs deep between you, and whole conversations pass in a glance. Enjoy that spiritual closeness, yet face bills, errands and neighbors together instead of hiding away.)~";

constexpr std::string_view k28 =
    R"~(A diplomat and a strategist can work wonders, as you prove at home and at work. Trouble starts when the 8's orders drown out the 2's quieter ideas, so hear the gentler one of you first.)~";

constexpr std::string_view k29 =
    R"~(Kindness flows freely between you, and causes larger than yourselves call to you both. Pick one cause to serve side by side rather than ten apart, and it will bind you closer.)~";

constexpr std::string_view k34 =
    R"~(Spontaneity and discipline make either a fine balance or daily friction. Let the 4 build the stage and the 3 fill it with music, and keep your criticism of each other gentle.)~";

constexpr std::string_view k35 =
    R"~(Dull weekends are almost unknown to a witty, restless pair like you, so protect your shared love of fun by dividing the boring chores fairly before resentment creeps in.)~";

constexpr std::string_view k36 =
    R"~(A big heart and a playful imagination bring out the best in you both. The 6 should watch a tendency to nag, and the 3 should back sweet words with deeds.)~";

constexpr std::string_view k37 =
    R"~(One of you thrives on company and chatter, the other on silence and study. Respect that gap and it becomes a bridge, with the 3 bringing lightness and the 7 lending depth.)~";

constexpr std::string_view k38 =
    R"~(Creative sparks rarely stay mere sparks with you two: the 3 invents and the 8 knows how to sell. Keep the accounts open to both of you, and set aside a little money for fun.)~";

constexpr std::string_view k83 =
    R"~(Creative sparks rarely stay mere sparks with you two: the 3 invents and the 8 knows how to sell. Keep the accounts open to both of you, and set aside a little money for fun)~";

constexpr std::string_view k39 =
    R"~(Art, people and grand plans excite you both, and your optimism spills over onto all your friends. Give that enthusiasm a practical map, so it leads somewhere worth going.)~";

constexpr std::string_view k45 =
    R"~(Expect lively debates about risk, since the 4 wants a safety net and the 5 an open sky. Each of you holds what the other lacks, so together you can be secure and free.)~";

constexpr std::string_view k46 =
    R"~(Reliable and devoted, you put home and family first, and friends count on you in any crisis. Just don't let duty crowd out romance.)~";

constexpr std::string_view k47 =
    R"~(Thoughtful work and patient study come naturally to you, and long projects thrive in your care. Lighten the mood on purpose sometimes, and speak of feelings as readily as facts.)~";

constexpr std::string_view k48 =
    R"~(Steady effort is your shared language, and over the years it adds up to real security. Watch for overwork, and keep your evenings for rest and affection.)~";

constexpr std::string_view k49 =
    R"~(Dreams and blueprints rarely agree at first on what matters, so be patient. In time the 4 will give the 9's ideals solid form, and the 9 will show you both a wider horizon.)~";

constexpr std::string_view k56 =
    R"~(Open roads call to the 5 while the 6 listens for the kettle at home, so your priorities may pull apart. Meet in the middle: steady presence from the 5, a looser leash from the 6.)~";

constexpr std::string_view k57 =
    R"~(Every book, trip and odd idea becomes an expedition for a curious pair like you. Guard your independence, but swap stories often so your separate paths keep crossing.)~";

constexpr std::string_view k58 =
    R"~(Bold risks and fast opportunities thrill you both, and success often follows. Watch the shared money, and never let the 8's need for control clip the 5's wings.)~";

constexpr std::string_view k59 =
    R"~(Passports, protests and late-night debates about changing the world fill your calendar. Make firm commitments as well, so that freedom never turns into distance.)~";

constexpr std::string_view k67 =
    R"~(One of you craves closeness and the other guards a private corner, yet the 6's care and the 7's quiet wisdom blend gently. Name those needs honestly, and your love can run warm and deep.)~";

constexpr std::string_view k68 =
    R"~(Few homes are as well defended as yours, with the 8 bringing ambition and the 6 devotion. Prosperity will likely follow; never let the balance sheet outweigh a kind word.)~";

constexpr std::string_view k69 =
    R"~(Your home fills with strays, strangers and anyone needing a kind word, because compassion runs through all you do. When you disagree, argue about methods, never about values.)~";

constexpr std::string_view k78 =
    R"~(Insight joined to power lets you achieve a great deal once you share a goal. The 8 should honor the 7's need for quiet, and the 7 should admire, not resent, the 8's practical drive.)~";

constexpr std::string_view k79 =
    R"~(Questions of meaning and mystery fascinate you both, so your bond can grow unusually profound. Balance late-night philosophy with everyday affection and a fair share of the housework.)~";

constexpr std::string_view k89 =
    R"~(Success means more to you both when it serves a cause, and the 8's drive can fund the 9's dreams. Let the 8 give freely, and let the 9 accept that careful planning is not selfishness.)~";

} // namespace

const std::array<KeyedText, 81> NumerologyCombinationTexts{{
    {"11", k11},
    {"12", k12},
    {"13", k13},
    {"14", k14},
    {"15", k15},
    {"16", k16},
    {"17", k17},
    {"18", k18},
    {"19", k19},
    {"21", k21},
    {"22", k22},
    {"23", k23},
    {"24", k24},
    {"25", k25},
    {"26", k26},
    {"27", k27},
    {"28", k28},
    {"29", k29},
    {"31", k31},
    {"32", k23},
    {"33", k33},
    {"34", k34},
    {"35", k35},
    {"36", k36},
    {"37", k37},
    {"38", k38},
    {"39", k39},
    {"41", k14},
    {"42", k24},
    {"43", k34},
    {"44", k44},
    {"45", k45},
    {"46", k46},
    {"47", k47},
    {"48", k48},
    {"49", k49},
    {"51", k15},
    {"52", k25},
    {"53", k35},
    {"54", k45},
    {"55", k55},
    {"56", k56},
    {"57", k57},
    {"58", k58},
    {"59", k59},
    {"61", k16},
    {"62", k26},
    {"63", k36},
    {"64", k46},
    {"65", k56},
    {"66", k66},
    {"67", k67},
    {"68", k68},
    {"69", k69},
    {"71", k17},
    {"72", k27},
    {"73", k37},
    {"74", k47},
    {"75", k57},
    {"76", k67},
    {"77", k77},
    {"78", k78},
    {"79", k79},
    {"81", k18},
    {"82", k28},
    {"83", k83},
    {"84", k48},
    {"85", k58},
    {"86", k68},
    {"87", k78},
    {"88", k88},
    {"89", k89},
    {"91", k19},
    {"92", k29},
    {"93", k39},
    {"94", k49},
    {"95", k59},
    {"96", k69},
    {"97", k79},
    {"98", k89},
    {"99", k99},
}};

} // namespace content
