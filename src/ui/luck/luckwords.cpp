#include "ui/luck/luckwords.h"

QString LuckWords::text()
{
    return {};
}

void LuckWords::openEditor() {}
