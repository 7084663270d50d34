#include "aboutflag.h"

namespace zeb {

qint16 AboutOpenedFromMenu = 0;

} // namespace zeb
