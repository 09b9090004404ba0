#include "Desmeuseis.h"

#include <cstdlib>
#include <new>

namespace {

bool energo = false;
std::size_t orio = SIZE_MAX;
std::size_t bytes = 0;
std::size_t apotuxies = 0;

void* Desmeusn(std::size_t megethos)
{
    if (energo) {
        if (megethos > orio) {
            ++apotuxies;
            throw std::bad_alloc();
        }
        bytes += megethos;
    }
    if (void* p = std::malloc(megethos ? megethos : 1))
        return p;
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t megethos) { return Desmeusn(megethos); }
void* operator new[](std::size_t megethos) { return Desmeusn(megethos); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace desmeuseis {

TParakolou8nsn::TParakolou8nsn(std::size_t o)
{
    orio = o;
    bytes = 0;
    apotuxies = 0;
    energo = true;
}

TParakolou8nsn::~TParakolou8nsn()
{
    energo = false;
    orio = SIZE_MAX;
}

std::size_t TParakolou8nsn::Bytes() const { return bytes; }
std::size_t TParakolou8nsn::Apotuxies() const { return apotuxies; }

}  // namespace desmeuseis
