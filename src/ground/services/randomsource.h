// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRandomGenerator>

// Uniform draws in [0, 1). One generator, seeded once, so draws that fall
// within one tick of the clock are still independent of each other.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;

    // A choice from 1 to n: the integer part of u * n + 1.
    int choose(int n);
};

class SeededRandomSource : public RandomSource
{
public:
    SeededRandomSource() : generator_(QRandomGenerator::system()->generate()) {}
    double next() override { return generator_.generateDouble(); }

private:
    QRandomGenerator generator_;
};
