#pragma once

// The Insert forms' fields, validation and element builders, one header per form family.
#include "snippets_basic.h"
#include "snippets_layout.h"
#include "snippets_media.h"
#include "snippets_text.h"
