#include "viewer/view/view_state.h"

#include "viewer/view/open_file.h"
#include "viewer/view/selection.h"

ViewState gView;
Selection gSel;
FileRef gFile;
