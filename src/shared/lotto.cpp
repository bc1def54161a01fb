#include "shared/lotto.h"

LottoModule Lotto;
