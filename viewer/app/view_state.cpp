#include "viewer/app/view_state.h"

ViewState gView;
