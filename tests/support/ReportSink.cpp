#include "support/ReportSink.h"

#include "hid/MainHidInterFace.h"

ReportSink::ReportSink(MainHidInterFace* hidInterface)
{
    connect(hidInterface, &MainHidInterFace::sigHidDataArrived, this, &ReportSink::onHidDataArrived);
    connect(hidInterface, &MainHidInterFace::sigHidSnGetOver, this, &ReportSink::onHidSnGetOver);
}

void ReportSink::onHidDataArrived(unsigned char* report, int length, int threadIndex)
{
    data.append(
        {QByteArray(reinterpret_cast<const char*>(report), MainHidInterFace::kReportSize), length, threadIndex});
    delete[] report;
}

void ReportSink::onHidSnGetOver(unsigned char* report, QString strHidName)
{
    serialNumbers.append(QByteArray(reinterpret_cast<const char*>(report), MainHidInterFace::kReportSize));
    serialNames.append(strHidName);
    delete[] report;
}
