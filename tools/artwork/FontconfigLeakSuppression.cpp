// fontconfig loses two small blocks inside FcInit (seen with the Debian 12
// library; a bare FcInit() shows it). LeakSanitizer is told to ignore leaks
// that start inside libfontconfig; ours are still reported.
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
