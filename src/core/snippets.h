#pragma once

// The snippet builders of the Insert forms, one header per form family.
#include "snippets_layout.h"
