#pragma once
// The process-wide date and number conventions: dd/mm/yyyy dates and "," as decimal separator.

void ApplyScreenSettings();
