#pragma once
#include <string_view>
#include <vector>

namespace tarnel {

// The tag names the source view colours, rewrites and offers: upper-case words, one blank
// apart, with one blank before the first and after the last so that " WORD " finds a word.
std::string_view TagNameList();

// The attribute names, in the same form.
std::string_view AttributeNameList();

// The words of a list of names one blank apart (as the lists above), in order.
std::vector<std::string_view> Words(std::string_view list);

// Every name of both lists once, sorted, with no empty entry: what the completion list offers.
const std::vector<std::string_view> &CompletionEntries();

} // namespace tarnel
