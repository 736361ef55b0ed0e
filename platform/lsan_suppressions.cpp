// Linked into every program of the sanitizer build: the leaks LeakSanitizer is not to report.
//
// libdbus: on X, Qt's platform theme and accessibility bridge open the session bus, and
// libdbus keeps about 1 KB of its connection set-up until the process ends; it offers no call
// to free it (dbus_shutdown() is for programs that own every connection, which Qt does not),
// so every exit of a window on X would otherwise report it and end with status 1.
//
// libfontconfig: text with a character that the font lacks (an emoji typed into the answer
// field) makes Qt ask fontconfig for a fallback font, and the patterns of that search stay
// in fontconfig's caches until the process ends (about 2 KB), reported at every later exit.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\nleak:libfontconfig.so\n";
}

// The suppression is expected: no summary of it at every exit.
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
