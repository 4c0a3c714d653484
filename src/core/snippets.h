#pragma once
// The snippet builders of every Insert form, one header per form family.
#include "snippets_layout.h"
#include "snippets_text.h"
