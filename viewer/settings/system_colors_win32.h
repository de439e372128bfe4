// Binds the colour table's defaults to the platform's system colours.
#pragma once

void BindSystemColors();
