// Guards on the wording of the text tables: a reading shared by both orders of a pair
// never tells the reader which sign is theirs, and the whole set keeps one spelling.
#include "content/ChineseAnimalProfileTexts.h"
#include "content/ChineseElementTexts.h"
#include "content/ChinesePairTexts.h"
#include "content/MoonPairTexts.h"
#include "content/NumerologyCombinationTexts.h"
#include "content/SunSignPairTexts.h"
#include "content/SunSignProfileTexts.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace {

struct Text {
    std::string where;
    std::string_view text;
};

// Both orders of a pair that read one text: "Taurus-Aries" shows the text of "Aries-Taurus".
template <std::size_t N>
std::vector<Text> sharedTexts(const std::array<content::KeyedText, N>& table)
{
    std::vector<Text> shared;
    for (std::size_t i = 0; i < 12; ++i) {
        for (std::size_t j = i + 1; j < 12; ++j) {
            if (table[i * 12 + j].text == table[j * 12 + i].text)
                shared.push_back({std::string(table[i * 12 + j].key), table[i * 12 + j].text});
        }
    }
    return shared;
}

std::vector<Text> everyText()
{
    std::vector<Text> all;
    for (const auto* table : {&content::SunSignPairTexts, &content::MoonPairTexts, &content::ChinesePairTexts}) {
        for (const auto& entry : *table)
            all.push_back({std::string(entry.key), entry.text});
    }
    for (const auto& entry : content::NumerologyCombinationTexts)
        all.push_back({std::string(entry.key), entry.text});
    for (const auto& entry : content::ChineseElementTexts)
        all.push_back({std::string(entry.key), entry.text});
    for (const auto& profile : content::SunSignProfileTexts) {
        all.push_back({std::string(profile.sign), profile.positiveTraits});
        all.push_back({std::string(profile.sign), profile.negativeTraits});
    }
    for (const auto& profile : content::ChineseAnimalProfileTexts) {
        all.push_back({std::string(profile.animal), profile.positiveTraits});
        all.push_back({std::string(profile.animal), profile.negativeTraits});
    }
    return all;
}

const std::string kSign = "(Aries|Taur\\w*|Gemin\\w*|Cancer\\w*|Leo\\w*|Virg\\w*|Libra\\w*|Scorpi\\w*|Sagittari\\w*|"
                          "Capricorn\\w*|Aquari\\w*|Pisc\\w*)";

} // namespace

TEST(ContentWording, ASharedReadingNeverTiesASignToYouOrYourPartner)
{
    const std::regex tied[] = {
        std::regex("[Yy]our partner's (Moon in )?" + kSign),
        std::regex("[Yy]our Moon in " + kSign),
        std::regex("[Yy]our " + kSign + " (partner|Moon|lover|mate)"),
    };
    std::vector<Text> shared = sharedTexts(content::SunSignPairTexts);
    const std::vector<Text> moon = sharedTexts(content::MoonPairTexts);
    shared.insert(shared.end(), moon.begin(), moon.end());
    EXPECT_EQ(shared.size(), 50u + 66u);
    for (const Text& t : shared) {
        for (const std::regex& pattern : tied) {
            std::match_results<std::string_view::const_iterator> found;
            EXPECT_FALSE(std::regex_search(t.text.begin(), t.text.end(), found, pattern))
                << t.where << ": \"" << found.str() << '"';
        }
    }
}

TEST(ContentWording, OneSpellingThroughout)
{
    const std::regex british(
        "\\b(colour\\w*|favour\\w*|behaviour\\w*|honour\\w*|humour\\w*|neighbour\\w*|labour\\w*|savour\\w*|"
        "harbour\\w*|endeavour\\w*|ardour|candour|rigour|vigour|splendour|centre\\w*|centred|theatre|metre|"
        "(reali|recogni|organi|apologi|criti|emphasi|symboli)s(e|ed|es|ing|ation\\w*)|analys(e|ed|es|ing)|judgement\\w*|pretence|defence|"
        "offence|licence|counsell\\w*|travell\\w*|cancell(ed|ing)|modell\\w*|skilful\\w*|wilful\\w*|"
        "manoeuv\\w*|plough\\w*|tranquill\\w*|cos(y|ier|iest|ily)|unshakeabl\\w*|grey\\w*|whilst|amongst|"
        "learnt|spelt|jewellery|programme|cheque|ageing|sceptic\\w*|towards|afterwards)\\b",
        std::regex::icase);
    for (const Text& t : everyText()) {
        std::match_results<std::string_view::const_iterator> found;
        EXPECT_FALSE(std::regex_search(t.text.begin(), t.text.end(), found, british))
            << t.where << ": \"" << found.str() << '"';
    }
}

TEST(ContentWording, AReadingNamesOnlyItsOwnPairsSigns)
{
    const char* const signs[] = {"Aries", "Taur",   "Gemin",     "Cancer",   "Leo",     "Virg",
                                 "Libra", "Scorpi", "Sagittari", "Capricorn", "Aquari", "Pisc"};
    const std::regex anySign("\\b" + kSign + "\\b");
    for (const auto* table : {&content::SunSignPairTexts, &content::MoonPairTexts}) {
        for (const auto& entry : *table) {
            // The key reads "First-Second"; a sign word belongs to the pair when it starts
            // like one of the two.
            const std::string key(entry.key);
            const std::string first = key.substr(0, key.find('-'));
            const std::string second = key.substr(key.find('-') + 1);
            const auto inPair = [&](const std::string& word) {
                for (const char* stem : signs) {
                    if (word.rfind(stem, 0) == 0)
                        return first.rfind(stem, 0) == 0 || second.rfind(stem, 0) == 0;
                }
                return false;
            };
            const std::string text(entry.text);
            for (auto it = std::sregex_iterator(text.begin(), text.end(), anySign); it != std::sregex_iterator(); ++it)
                EXPECT_TRUE(inPair(it->str())) << key << ": \"" << it->str() << '"';
        }
    }
}
