// Imports one function from a DLL that is not part of Windows, so that the import check must
// reject it.
extern "C" __declspec(dllimport) int GlintImportsProbe();

int main() {
    return GlintImportsProbe() == 1 ? 0 : 1;
}
