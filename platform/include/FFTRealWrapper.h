#pragma once

#include <memory>

// A real transform of 4096 points, unnormalised, the plan made once per
// object. The output keeps the layout the spectrum analysis reads: the real
// parts of bins 0 to 2048 in out[0..2048], then the imaginary part of bin i
// (0 < i < 2048) at out[2048 + i].
class FFTRealWrapper
{
public:
    static constexpr int kPoints = 4096;

    FFTRealWrapper();
    ~FFTRealWrapper();
    FFTRealWrapper(const FFTRealWrapper&) = delete;
    FFTRealWrapper& operator=(const FFTRealWrapper&) = delete;

    void calculateFFT(float out[], const float in[]);

private:
    struct Plan;
    std::unique_ptr<Plan> m_plan;
};
