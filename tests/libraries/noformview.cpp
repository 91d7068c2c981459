// A library that loads but has no FormView: the version command must report the missing
// function and unload it again.
extern "C" __attribute__((visibility("default"))) int VersionWindowShown() {
    return 0;
}
