#pragma once

#include <QString>

#include <functional>

// Points where a test or a measurement can look into or steer the main window's Generate
// runs. The program itself never sets them.
namespace GenerationHooks {
// Where a run reads the luck-word text; empty restores the editor's text (LuckWords::text).
void setLuckTextSource(std::function<QString()> source);
// Runs make k exchanges instead of the drawn count (the count is still drawn); 0 restores it.
void setForcedExchanges(int k);
// Called just before (Before) and just after (After) every yield of a run: its entry, every
// step, its exit. Empty removes it.
enum class Yield { Before, After };
void setYieldObserver(std::function<void(Yield)> observer);
} // namespace GenerationHooks
