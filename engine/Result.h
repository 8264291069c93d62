#pragma once
// GetResult0's work: the tally, the result text or page and, in Cabrillo mode, the file.

// Returns the result (valid until the next call). In Cabrillo mode also writes the Cabrillo
// file, shows its name and writes -1 through `status`.
const char* GetContestResult(int* status);
