// The toolkit's information box (five F12 presses in a row).
#pragma once

extern const char* const vqinfo_version;
void vqinfo_show();
