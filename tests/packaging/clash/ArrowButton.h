#error "the application's own ArrowButton.h: the library's headers must never include it"
