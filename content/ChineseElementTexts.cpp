#include "content/ChineseElementTexts.h"
// Written for this program; every text is its own.
namespace content {

const std::array<KeyedText, 5> ChineseElementTexts{{
    {"Metal",
     R"~(Metal gives you a firm will and a clear sense of purpose. You are decisive, self-reliant and principled, able to pursue a goal with steady determination and a strong sense of justice. You value order, loyalty and honest dealings, and you rarely bend to pressure. The same strength can make you rigid or proud, so learn to soften your edges and listen before you judge.)~"},
    {"Water",
     R"~(Water gives you a flexible, perceptive and diplomatic nature. You sense moods and hidden currents, communicate with ease and find a way around obstacles rather than crashing into them. Your intuition and persuasive gifts help you win people over. Yet you may drift with circumstances or become too dependent on others, so anchor yourself with clear goals and a measure of firmness.)~"},
    {"Wood",
     R"~(Wood gives you a generous, growing spirit and a love of new beginnings. You are cooperative, idealistic and practical at once, eager to build projects that benefit many people. Your patience and sense of fairness make you a trusted colleague and friend. Because you tend to take on too much and dislike disappointing anyone, learn to set limits and let some branches go.)~"},
    {"Fire",
     R"~(Fire gives you passion, warmth and a bright, adventurous energy that draws people toward you. You are a natural leader, dynamic and expressive, happiest when you can inspire others and make things happen quickly. Your enthusiasm lights up every gathering. But fire can burn too hot: you may be impatient, impulsive or demanding, so learn to pace yourself and consider other viewpoints.)~"},
    {"Earth",
     R"~(Earth gives you a stable, sensible and patient character. You are practical and trustworthy, skilled at planning, saving and building things that last, and others turn to you for calm advice in a crisis. Your loyalty runs deep and your judgment is sound. The risk is that you become too cautious or set in your ways, so allow yourself some adventure and room for change.)~"},
}};

} // namespace content
