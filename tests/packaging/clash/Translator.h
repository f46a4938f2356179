#error "the application's own Translator.h: the library's headers must never include it"
