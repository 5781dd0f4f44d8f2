#include "content/NumerologyCombinationTexts.h"
// Written for this program; every text is its own.
namespace content {
namespace {

constexpr std::string_view k11 =
    R"~(You two are both born leaders, and your partnership can turn into a combat of egos where neither wants to yield. Take turns steering, and celebrate each other's victories instead of competing for the lead.)~";

constexpr std::string_view k22 =
    R"~(You two are alike as twins: gentle, tactful and deeply attentive to each other's feelings. Your harmony is real, but do not let mutual politeness hide problems; someone must sometimes speak up first.)~";

constexpr std::string_view k33 =
    R"~(Your partnership sparkles with laughter, ideas and creative play, and you rarely bore each other. Just make sure someone pays the bills and finishes what you start, because fun alone will not carry you through hard times.)~";

constexpr std::string_view k44 =
    R"~(You two share a love of order, hard work and security, and together you can build a very solid life. Guard against routine hardening into rigidity, and plan some surprises to keep affection alive.)~";

constexpr std::string_view k55 =
    R"~(Your partnership is a whirlwind of travel, change and excitement, since both of you crave freedom. The challenge is commitment: agree on a few fixed points in your life so you do not drift apart chasing separate adventures.)~";

constexpr std::string_view k66 =
    R"~(You two are devoted, caring and home-loving, and you naturally create a warm nest for family and friends. Beware of smothering each other with concern; allow each other space to breathe and make mistakes.)~";

constexpr std::string_view k77 =
    R"~(Your partnership is thoughtful, private and rich in deep conversation, and you respect each other's need for solitude. Make the effort to share feelings aloud, or you may end up living quietly side by side.)~";

constexpr std::string_view k88 =
    R"~(You two are ambitious and strong-willed, and as a team you can achieve remarkable material success. Keep power struggles out of the home, and remember that love is not another business to be managed.)~";

constexpr std::string_view k99 =
    R"~(Your partnership is built on lofty ideals and a deep bond, with both of you eager to make the world a better place. Remember to care for each other as well as for humanity, and keep your feet on the ground.)~";

constexpr std::string_view k12 =
    R"~(Yours is a good match in which one of you naturally leads and the other supports, and the roles tend to become fixed. Number 1, value your partner's quiet contributions; number 2, do not be afraid to voice your own wishes.)~";

constexpr std::string_view k21 =
    R"~(You two fit together well, with the gentle partner smoothing the way while the bold partner sets the course. Such fixed roles feel comfortable, but swap them now and then so neither of you feels taken for granted.)~";

constexpr std::string_view k13 =
    R"~(Your partnership combines drive with imagination, and together you can launch bright, original projects. Let the 1 steer while the 3 adds color, and make sure both of you get the applause.)~";

constexpr std::string_view k31 =
    R"~(Your partnership combines drive with imagination, and together you can launch bold, original projects. Let the 1 steer while the 3 adds color, and make sure both of you get the applause.)~";

constexpr std::string_view k14 =
    R"~(You two combine initiative with persistence: one of you has the ideas, the other has the patience to build them. Respect each other's pace, because the 1 may find the 4 slow and the 4 may find the 1 reckless.)~";

constexpr std::string_view k15 =
    R"~(Your partnership is energetic, adventurous and full of movement, as both of you love independence. Excitement comes easily, but stability does not, so agree on shared goals before you both rush off in different directions.)~";

constexpr std::string_view k16 =
    R"~(You two balance ambition with caring: one of you pushes forward, the other keeps the home warm. Make sure the nurturing partner is not left carrying every responsibility while the other chases success.)~";

constexpr std::string_view k17 =
    R"~(Your partnership pairs action with reflection, and each of you can learn a great deal from the other. Give the 7 time alone to think, and let the 1 act without endless analysis holding things back.)~";

constexpr std::string_view k18 =
    R"~(You two are both powerful personalities with a strong appetite for success, and together you can climb very high. Divide your areas of authority clearly, or your ambitions may clash in a struggle for control.)~";

constexpr std::string_view k19 =
    R"~(Your partnership links individual drive with broad compassion, giving you the power to accomplish good things together. Let the 1 learn generosity from the 9, and let the 9 learn focus from the 1.)~";

constexpr std::string_view k23 =
    R"~(You two make a warm and sociable pair, mixing sensitivity with sparkling self-expression. Enjoy your shared charm, but the 2 needs reassurance that the lively 3 is truly committed, so keep your promises.)~";

constexpr std::string_view k24 =
    R"~(Your partnership is calm, loyal and dependable, built on patience and mutual support. You may both avoid risks, so encourage each other to try something new and to talk openly about your dreams.)~";

constexpr std::string_view k25 =
    R"~(You two are quite different: one seeks closeness and harmony, the other craves freedom and change. With tolerance this tension can be fruitful, but the 5 must show steadiness and the 2 must allow room to roam.)~";

constexpr std::string_view k26 =
    R"~(Your partnership is tender, affectionate and family-minded, with both of you eager to care for others. It is a harmonious match; just remember to look after your own needs as carefully as you look after each other.)~";

constexpr std::string_view k27 =
    R"~(You two share a quiet, sensitive nature and an intuitive understanding that needs few words. Your bond can be deep and spiritual, but make sure you also face practical matters together and do not hide from the outside world.)~";

constexpr std::string_view k28 =
    R"~(Your partnership joins a diplomat with a strategist, and you can work wonders as a team in business and in family life. The 8 should soften its commands, and the 2 should not let its gentleness be overlooked.)~";

constexpr std::string_view k29 =
    R"~(You two are both kind, idealistic and attentive to others, and your union can be deeply sympathetic. Be careful not to give so much to friends and causes that nothing is left for yourselves.)~";

constexpr std::string_view k34 =
    R"~(Your partnership mixes spontaneity with discipline, which can be either a fine balance or a source of friction. Let the 4 provide structure and the 3 provide joy, and criticize each other's habits gently.)~";

constexpr std::string_view k35 =
    R"~(You two are lively, witty and restless, and life together rarely stands still. Your shared love of fun is a gift, but someone must handle the practical side, so divide the dull tasks fairly.)~";

constexpr std::string_view k36 =
    R"~(Your partnership combines creativity with a big heart, and you bring out the warmth and playfulness in each other. The 6 should avoid nagging, and the 3 should remember that loving words need loving deeds.)~";

constexpr std::string_view k37 =
    R"~(You two approach life very differently: one loves company and chatter, the other needs silence and depth. If you respect these differences, the 3 can lighten the 7 and the 7 can deepen the 3.)~";

constexpr std::string_view k38 =
    R"~(Your partnership links imagination with ambition, and together you can turn creative ideas into real success. Keep money matters transparent, and let the 8 relax its grip while the 3 learns to follow through.)~";

constexpr std::string_view k83 =
    R"~(Your partnership links imagination with ambition, and together you can turn creative ideas into real success. Keep money matters transparent, and let the 8 relax its grip while the 3 learns to follow through)~";

constexpr std::string_view k39 =
    R"~(You two are expressive, optimistic and generous, sharing a love of art, people and big ideas. Your union can be very inspiring; just ground your dreams in a plan so that enthusiasm leads somewhere.)~";

constexpr std::string_view k45 =
    R"~(Your partnership sets a cautious planner against an eager adventurer, and clashes over risk are likely. Each of you holds a missing piece, so let the 4 provide safety and the 5 provide fresh air.)~";

constexpr std::string_view k46 =
    R"~(You two are reliable, devoted and focused on home and family, and few couples are as dependable. Do not let duty crowd out romance; make time for tenderness as well as for chores.)~";

constexpr std::string_view k47 =
    R"~(Your partnership is serious, thoughtful and methodical, and you both appreciate depth over show. You work superbly together on long projects, but remember to laugh and to share feelings as well as facts.)~";

constexpr std::string_view k48 =
    R"~(You two are hard-working and practical, and together you can build considerable security and wealth. Keep an eye on stress and overwork, and let some warmth and leisure into your well-ordered life.)~";

constexpr std::string_view k49 =
    R"~(Your partnership pairs the practical with the visionary, so misunderstandings can arise over what truly matters. The 4 can help the 9 realize its ideals, and the 9 can show the 4 a wider horizon.)~";

constexpr std::string_view k56 =
    R"~(You two are a mix of freedom and responsibility, and your priorities may pull in opposite directions. The 5 should offer reliability at home, and the 6 should avoid trying to tie the 5 down too tightly.)~";

constexpr std::string_view k57 =
    R"~(Your partnership is curious, unconventional and intellectually lively, with each of you valuing independence. Share your discoveries regularly, so that your separate paths keep leading back to each other.)~";

constexpr std::string_view k58 =
    R"~(You two are energetic and ambitious, eager to seize opportunities and take bold risks together. Success is likely, but guard your finances, and make sure the 8 does not try to control the freedom-loving 5.)~";

constexpr std::string_view k59 =
    R"~(Your partnership is broad-minded and adventurous, drawn to travel, new cultures and big causes. You inspire each other easily; just agree on commitments and keep promises, so freedom does not turn into distance.)~";

constexpr std::string_view k67 =
    R"~(You two combine warmth with wisdom, but the 6 longs for closeness while the 7 guards its privacy. Speak openly about these needs, and your union can become both loving and profound.)~";

constexpr std::string_view k68 =
    R"~(Your partnership is strong and protective, with the 8 providing ambition and the 6 providing care. Together you can build a comfortable, prosperous home; just make sure money never matters more than tenderness.)~";

constexpr std::string_view k69 =
    R"~(You two are compassionate, idealistic and generous, and love plays a central part in your union. Your warmth touches everyone around you, but keep some energy for your own relationship and not only for others.)~";

constexpr std::string_view k78 =
    R"~(Your partnership unites insight with power, and you can achieve a great deal when you share a goal. The 8 should respect the 7's need for reflection, and the 7 should appreciate the 8's practical drive.)~";

constexpr std::string_view k79 =
    R"~(You two are thoughtful, spiritual and often drawn to questions of meaning, and your bond can be unusually profound. Balance your lofty conversations with everyday affection and practical teamwork.)~";

constexpr std::string_view k89 =
    R"~(Your partnership combines ambition with generosity, and together you can use success to do real good. The 8 should share its resources freely, and the 9 should accept that practical planning is not selfish.)~";

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
