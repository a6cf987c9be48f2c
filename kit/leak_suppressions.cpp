// Built into every program and test of a build with the sanitizers: what the leak check at exit
// leaves alone. fontconfig, which pango asks for the worksheets' fonts, keeps what it has read for
// the life of the process and never frees it; Xlib keeps a few strings of its own. Neither is a
// leak of the suite's, and neither grows with what a program does.
extern "C" __attribute__((used)) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libX11.so\n";
}

// Said quietly: a program's standard error carries only what it says itself.
extern "C" __attribute__((used)) const char* __lsan_default_options() { return "print_suppressions=0"; }
