#pragma once

#include <memory>

// A real transform of 4096 points, unnormalised, the plan made once per
// object. calculateFFT's output keeps the layout the spectrum analysis has
// always read: the real parts of bins 0 to 2048 in out[0..2048], then the
// imaginary part of bin i (0 < i < 2048) at out[2048 + i]. A caller that
// wants no copies writes the samples into input(), calls transform() and
// reads the bins from bins() instead.
class FFTRealWrapper
{
public:
    static constexpr int kPoints = 4096;

    FFTRealWrapper();
    ~FFTRealWrapper();
    FFTRealWrapper(const FFTRealWrapper&) = delete;
    FFTRealWrapper& operator=(const FFTRealWrapper&) = delete;

    void calculateFFT(float out[], const float in[]);

    // The plan's own arrays: kPoints samples in; bins 0 to kPoints / 2 out,
    // each a real and an imaginary part side by side.
    float* input();
    void transform();
    const float* bins() const;

private:
    struct Plan;
    std::unique_ptr<Plan> m_plan;
};
