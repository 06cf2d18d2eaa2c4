#include "platform/include/FFTRealWrapper.h"

#include <fftw3.h>

#include <algorithm>
#include <mutex>

namespace {
// FFTW's planner keeps global state; only its execute calls may run in
// parallel.
std::mutex& plannerMutex()
{
    static std::mutex mutex;
    return mutex;
}

constexpr int kBins = FFTRealWrapper::kPoints / 2 + 1;
} // namespace

struct FFTRealWrapper::Plan
{
    float* in = nullptr;
    fftwf_complex* out = nullptr;
    fftwf_plan plan = nullptr;
};

FFTRealWrapper::FFTRealWrapper()
    : m_plan(std::make_unique<Plan>())
{
    std::lock_guard<std::mutex> lock(plannerMutex());
    m_plan->in = fftwf_alloc_real(kPoints);
    m_plan->out = fftwf_alloc_complex(kBins);
    m_plan->plan = fftwf_plan_dft_r2c_1d(kPoints, m_plan->in, m_plan->out, FFTW_ESTIMATE);
}

FFTRealWrapper::~FFTRealWrapper()
{
    std::lock_guard<std::mutex> lock(plannerMutex());
    fftwf_destroy_plan(m_plan->plan);
    fftwf_free(m_plan->out);
    fftwf_free(m_plan->in);
}

float* FFTRealWrapper::input()
{
    return m_plan->in;
}

void FFTRealWrapper::transform()
{
    fftwf_execute(m_plan->plan);
}

const float* FFTRealWrapper::bins() const
{
    return &m_plan->out[0][0];
}

void FFTRealWrapper::calculateFFT(float out[], const float in[])
{
    std::copy(in, in + kPoints, input());
    transform();
    const float* bin = bins();
    constexpr int half = kPoints / 2;
    for (int i = 0; i <= half; ++i)
        out[i] = bin[2 * i];
    for (int i = 1; i < half; ++i)
        out[half + i] = bin[2 * i + 1];
}
