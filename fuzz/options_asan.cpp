// The sanitizer's defaults for the fuzz targets. An allocation records two frames of its caller
// instead of thirty: unwinding at every allocation was a sixth of a key run. A finding is
// replayed with the full stacks (ASAN_OPTIONS=malloc_context_size=30 on the kept input).

extern "C" const char *__asan_default_options() {
    return "malloc_context_size=2";
}
