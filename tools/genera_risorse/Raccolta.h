#pragma once

#include "Caratteri.h"
#include "FileGenerato.h"

namespace genera {

// Every generated file of resources/, with its path relative to that directory.
FileGenerati tutteLeRisorse(const Caratteri& caratteri);

} // namespace genera
