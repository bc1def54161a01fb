#include "ui/main/catalogue.h"

namespace {
// Every game can be drawn and names its own controls. (Its rules function is not checked
// here: with the sanitizers on, the compiler cannot compare a function's address at compile
// time.)
constexpr bool consistent()
{
    for (const GameInfo &g : kGameTable) {
        if (!g.draw.valid() || !g.frameName || !g.labelBase || !g.linkImageName)
            return false;
    }
    return true;
}
static_assert(consistent());
} // namespace

int GameInfo::panel() const
{
    return int(this - kGameTable) + 1;
}

const GameInfo *Catalogue::game(int panel)
{
    return Panel::isGame(panel) ? &kGameTable[panel - 1] : nullptr;
}

QList<Rules::Message> Catalogue::rules(int panel)
{
    const GameInfo *g = game(panel);
    return g ? g->rules() : QList<Rules::Message>{};
}
