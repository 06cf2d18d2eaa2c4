#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class MainHidInterFace;

// Receives the input reports of an I/O thread the way the keyboard link
// does (queued, freeing each heap copy) and keeps them for the test.
class ReportSink : public QObject
{
    Q_OBJECT

public:
    struct Arrival
    {
        QByteArray bytes; // always the 64 bytes handed over
        int length = 0;
        int threadIndex = 0;
    };

    explicit ReportSink(MainHidInterFace* hidInterface);

    QList<Arrival> data;
    QList<QByteArray> serialNumbers;
    QList<QString> serialNames;

public slots:
    void onHidDataArrived(unsigned char* data, int length, int threadIndex);
    void onHidSnGetOver(unsigned char* data, QString strHidName);
};
