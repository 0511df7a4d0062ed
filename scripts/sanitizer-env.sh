# Sourced by scripts/sanitize.sh and fuzz/run.sh: stop at the first report
# of AddressSanitizer, UndefinedBehaviorSanitizer or LeakSanitizer.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"
