#include "ui/main/catalogue.h"

namespace {
// Every game can be drawn and names its own controls.
constexpr bool consistent()
{
    for (const GameInfo &g : kGameTable) {
        if (!g.draw.valid() || !g.rules || !g.frameName || !g.labelBase || !g.linkImageName)
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
