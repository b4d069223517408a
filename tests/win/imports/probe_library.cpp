// A DLL of our own that the probe program imports: no Windows has it.
extern "C" __declspec(dllexport) int GlintImportsProbe() {
    return 1;
}
