# startup: a program that does nothing, for the start-up alone
