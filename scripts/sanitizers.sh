# Sourced by scripts/test and scripts/soak: how the sanitizer builds run. Sanitizer reports
# fail the run; leaks in libraries we cannot fix are listed in tests/sanitizer/*.supp.
# Chromium inside Qt WebEngine deletes some objects with a size that differs from their
# allocation (its own code, not built here): that one check stays off.
sanitized() {
  export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:new_delete_type_mismatch=0"
  export LSAN_OPTIONS="suppressions=$root/tests/sanitizer/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$root/tests/sanitizer/ubsan.supp"
  "$@"
}
