// Allocations seen from a test: the global operator new of the test programs counts the bytes it
// hands out and can be told to fail, so that a test can show that some work allocates in
// proportion to its result, or that an allocation failure at any point ends in a clear message.
#pragma once

#include <cstddef>
#include <cstdint>

namespace desmeuseis {

// While it lives, counts what operator new allocates, and makes every single allocation of more
// than `orio` bytes throw std::bad_alloc. Not nested; one thread.
class TParakolou8nsn {
public:
    explicit TParakolou8nsn(std::size_t orio = SIZE_MAX);
    ~TParakolou8nsn();
    TParakolou8nsn(const TParakolou8nsn&) = delete;
    TParakolou8nsn& operator=(const TParakolou8nsn&) = delete;

    std::size_t Bytes() const;       // allocated so far, freed or not
    std::size_t Apotuxies() const;   // allocations refused
};

}  // namespace desmeuseis
