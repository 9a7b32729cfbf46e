#pragma once

#include <vector>

#include "resources/EmbeddedResources.h"

// Every file compiled into the module (defined by the generated source).
const std::vector<EmbeddedResource>& EmbeddedTable();
