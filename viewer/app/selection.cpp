#include "viewer/app/selection.h"

Selection gSel;
