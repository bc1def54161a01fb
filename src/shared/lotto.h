#pragma once

#include <QString>
#include <QtGlobal>

// The program-wide variables of the module Lotto. They live for the whole run
// and are the only state the windows share besides each other's controls.
struct LottoModule
{
    // Booleans are held as 16-bit integers: True is -1, False is 0.
    static constexpr qint16 True = -1;
    static constexpr qint16 False = 0;

    // 1 while a generation run is in progress, else 0.
    qint16 Generating = 0;
    // Whether the luck-word editor was last closed with text in it.
    qint16 VorlaAdded = False;
    // The address the browser window is to open; written by every link command.
    QString LinkAddress;
};

extern LottoModule Lotto;
