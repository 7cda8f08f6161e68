// The host's string table: numbered texts for message boxes and captions.
#pragma once

// The text of string `id`, valid for the life of the process; an empty text
// for a number the table does not hold.
const char* getResourceStringComm(unsigned int id);
