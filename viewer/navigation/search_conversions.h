// Typed search text reaches the file's code through the platform's
// conversions (ANSI to OEM, ANSI to UTF-16, the EBCDIC table). Every place
// that converts typed text installs them first; installing is done once.
#pragma once

void BindSearchConversions();
