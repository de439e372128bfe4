#include "viewer/settings/view_options.h"

ViewOptions gViewOptions;
SetupSettings gSetupSettings;
RecentLists gRecent;
