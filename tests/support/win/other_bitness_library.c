/* Built for the other bitness than the tests: its exports do not matter, since a program of the
   tests' bitness cannot load it at all. */
__declspec(dllexport) int OtherBitnessMarker(void) {
    return 0;
}
