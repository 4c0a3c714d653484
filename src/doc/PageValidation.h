#pragma once

#include "validation.h"

#include <QString>

#include <string_view>

// Checks a page's bytes as the page at `pagePath` (empty for a page never saved): the encoding
// is told from the bytes as the document tells it, relative files are looked up beside the
// page. Reads the file system; safe to run off the user-interface thread.
// With `withAdvice`, the validator's advice on writing is among the findings.
tarnel::Validation validatePage(std::string_view bytes, const QString &pagePath,
                                bool withAdvice = false);

// A finding's message in the user's language: our own checks' texts are translated (context
// "tarnel") with their arguments put back in; the validator's stay as libtidy words them.
QString findingMessage(const tarnel::Finding &finding);
