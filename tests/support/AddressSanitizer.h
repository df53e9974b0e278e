#pragma once

// Defined when this test is built with AddressSanitizer, which reserves terabytes of address
// space up front: a test that limits a process's address space cannot run under it.
#if defined(__SANITIZE_ADDRESS__)
#define UNDER_ADDRESS_SANITIZER
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define UNDER_ADDRESS_SANITIZER
#endif
#endif
