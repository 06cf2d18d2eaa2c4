// The trigger-point pop-up on a real advanced-key file: what it shows for a
// record, what a handle release stores, what it leaves alone, a store that
// refuses, and its closing.
#include "support/ApplicationSetUp.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "ui/seniorKeys/DStrokeConfigView.h"
#include "ui/widgets/CbNotice.h"
#include "ui/widgets/MySlider.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QWindow>

#include <cstring>
#include <list>

using namespace StoreTestSupport;

namespace {

seniorKeyInfoStu dksRecord(int index, int firstPoint)
{
    seniorKeyInfoStu info;
    std::memset(&info, 0, sizeof info);
    info.index = index;
    info.type = 1;
    setText(info.name, "DKS" + QByteArray::number(index));
    setText(info.key[0], "4");
    setText(info.key[2], "3,41");
    info.action[0] = 2;
    info.action[1] = 2;
    info.action[2] = 1;
    info.point[0] = firstPoint;
    info.point[1] = 30;
    info.point[2] = 33;
    info.point[3] = firstPoint;
    info.holdDuration = 10;
    return info;
}

QByteArray bytesOf(const seniorKeyInfoStu& record)
{
    return QByteArray(reinterpret_cast<const char*>(&record), int(sizeof record));
}

void send(QWidget* widget, QEvent::Type type, QPoint pos)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class tst_DStrokeConfigView : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QByteArray m_path;
    int m_files = 0;

    // A fresh advanced-key file holding the record, made the program's.
    bool storeHolding(const seniorKeyInfoStu& record)
    {
        m_path = pathIn(m_dir, QStringLiteral("SeniorKeyConfig%1.xml").arg(++m_files));
        return COrvaneXML_SeniorKey_CreateXMLFile(m_path) && COrvaneXML_SeniorKey_CreateProFileXmlParentNode(m_path)
               && COrvaneXML_SeniorKey_AddInfoItem(m_path, record.type, record)
               && DDataManager::getInstance()->setSeniorKeyFilePath(m_path);
    }

    QList<QByteArray> fileRecords() const
    {
        std::list<seniorKeyInfoStu> list;
        COrvaneXML_SeniorKey_SelectAllInfoItem(m_path, &list);
        QList<QByteArray> bytes;
        for (const seniorKeyInfoStu& record : list)
            bytes << bytesOf(record);
        return bytes;
    }

    static MySlider* sliderOf(DStrokeConfigView& view)
    {
        return view.findChild<MySlider*>("horizontalSlider_StrokeView");
    }
    static QString readout(DStrokeConfigView& view) { return view.findChild<QLabel*>("label_StrokeView")->text(); }

    // A point on the handle as the style draws it that the slider's own
    // press zone also accepts: where a user grabs it.
    static QPoint handlePoint(MySlider* slider)
    {
        QStyleOptionSlider option;
        option.initFrom(slider);
        option.orientation = Qt::Horizontal;
        option.minimum = slider->minimum();
        option.maximum = slider->maximum();
        option.sliderPosition = option.sliderValue = slider->value();
        option.subControls = QStyle::SC_All;
        const QRect handle
            = slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
        const int zone = (slider->width() / slider->maximum()) * slider->value();
        const int left = qMax(handle.left(), zone - 10);
        const int right = qMin(handle.right(), zone + 4);
        return left <= right ? QPoint((left + right) / 2, handle.center().y()) : QPoint(-1, -1);
    }

    // Grabs the handle, drags it until the slider reads `target` and lets go.
    static bool dragTo(MySlider* slider, int target)
    {
        const QPoint grab = handlePoint(slider);
        if (grab.x() < 0)
            return false;
        send(slider, QEvent::MouseButtonPress, grab);
        if (!slider->isSliderDown())
            return false;
        QPoint at = grab;
        const int step = target < slider->value() ? -1 : 1;
        for (int i = 0; i < slider->width() && slider->value() != target; ++i) {
            at.rx() += step;
            send(slider, QEvent::MouseMove, at);
        }
        send(slider, QEvent::MouseButtonRelease, at);
        return slider->value() == target;
    }

private slots:
    void initTestCase()
    {
        prepareApplicationTest();
        QVERIFY(m_dir.isValid());
    }

    void opening_data()
    {
        QTest::addColumn<int>("point");
        QTest::addColumn<int>("handle");
        QTest::addColumn<QString>("shown");
        QTest::newRow("default first point") << 15 << 15 << "1.5mm";
        QTest::newRow("lowest") << 1 << 1 << "0.1mm";
        QTest::newRow("highest") << 36 << 36 << "3.6mm";
        QTest::newRow("beyond the slider") << 40 << 36 << "4.0mm";
        QTest::newRow("below the slider") << 0 << 1 << "0.0mm";
    }

    void opening()
    {
        QFETCH(int, point);
        QFETCH(int, handle);
        QFETCH(QString, shown);
        DStrokeConfigView view;
        QCOMPARE(readout(view), QStringLiteral("1.0mm"));
        view.setSeniorKeyInfo(dksRecord(3, point));
        QCOMPARE(sliderOf(view)->value(), handle);
        QCOMPARE(readout(view), shown);
        QCOMPARE(view.findChild<QLabel*>("label")->text(), QStringLiteral("Trigger points for DKS actions"));
        QCOMPARE(view.size(), QSize(460, 150));
    }

    void releases_data()
    {
        QTest::addColumn<int>("point");
        QTest::addColumn<int>("target");
        QTest::newRow("released at 22") << 15 << 22;
        QTest::newRow("beyond the slider, released unmoved") << 40 << 36;
        QTest::newRow("released at the lowest") << 4 << 1;
    }

    void releases()
    {
        QFETCH(int, point);
        QFETCH(int, target);
        const seniorKeyInfoStu given = dksRecord(5, point);
        QVERIFY(storeHolding(dksRecord(5, 15)));

        auto* view = new DStrokeConfigView;
        view->setSeniorKeyInfo(given);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QSignalSpy changed(view, &DStrokeConfigView::sigTheDKSStrokeStuChanged);
        QVERIFY(dragTo(sliderOf(*view), target));

        seniorKeyInfoStu expected = given;
        expected.point[0] = target;
        expected.point[3] = target;
        QCOMPARE(changed.count(), 1);
        QCOMPARE(fileRecords(), QList<QByteArray>{bytesOf(expected)});
        QCOMPARE(bytesOf(view->seniorKeyInfo()), bytesOf(expected));
        QCOMPARE(readout(*view), QString::number(target / 10.0, 'f', 1) + "mm");
        QVERIFY(!view->findChild<CbNotice*>()->isVisible());
        view->close();
    }

    // Keys, a press beside the handle and the wheel store nothing.
    void noRelease()
    {
        QVERIFY(storeHolding(dksRecord(2, 15)));
        const QList<QByteArray> before = fileRecords();
        auto* view = new DStrokeConfigView;
        view->setSeniorKeyInfo(dksRecord(2, 15));
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        MySlider* slider = sliderOf(*view);
        QSignalSpy changed(view, &DStrokeConfigView::sigTheDKSStrokeStuChanged);

        send(slider, QEvent::MouseButtonPress, QPoint(slider->width() - 5, slider->height() / 2));
        send(slider, QEvent::MouseButtonRelease, QPoint(slider->width() - 5, slider->height() / 2));
        QWheelEvent wheel(QPointF(30, 5), QPointF(slider->mapToGlobal(QPoint(30, 5))), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(slider, &wheel);
        QCOMPARE(slider->value(), 15);

        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Right);
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(slider->value(), 17);
        QCOMPARE(readout(*view), QStringLiteral("1.7mm"));

        QCOMPARE(changed.count(), 0);
        QCOMPARE(fileRecords(), before);
        QCOMPARE(view->seniorKeyInfo().point[0], 15);
        view->close();
    }

    // A store that refuses: the user is told, and the pop-up goes back to
    // the points the file holds.
    void storeRefuses()
    {
        QVERIFY(storeHolding(dksRecord(1, 15)));
        const QList<QByteArray> before = fileRecords();
        auto* view = new DStrokeConfigView;
        view->setSeniorKeyInfo(dksRecord(8, 15)); // a record the file lacks
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QSignalSpy changed(view, &DStrokeConfigView::sigTheDKSStrokeStuChanged);

        QVERIFY(!dragTo(sliderOf(*view), 25)); // back at 15 after the release
        QCOMPARE(sliderOf(*view)->value(), 15);
        QCOMPARE(readout(*view), QStringLiteral("1.5mm"));
        QCOMPARE(view->seniorKeyInfo().point[0], 15);
        QCOMPARE(view->seniorKeyInfo().point[3], 15);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(fileRecords(), before);
        auto* notice = view->findChild<CbNotice*>();
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(), QStringLiteral("The advanced-key file could not be saved"));
        view->close();
    }

    void closing_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("close button") << true;
        QTest::newRow("closed by the window system") << false;
    }

    void closing()
    {
        QFETCH(bool, byButton);
        QPointer<DStrokeConfigView> view = new DStrokeConfigView;
        view->setSeniorKeyInfo(dksRecord(3, 15));
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QSignalSpy closed(view.data(), &DStrokeConfigView::sigTheStrokeConfigViewClose);
        bool visibleWhenSignalled = false;
        connect(view.data(), &DStrokeConfigView::sigTheStrokeConfigViewClose, this,
                [&] { visibleWhenSignalled = view && view->isVisible(); });

        if (byButton) {
            QTest::mouseClick(view->findChild<QPushButton*>("pushButton_Close"), Qt::LeftButton);
        } else {
            view->windowHandle()->close();
        }
        QCOMPARE(closed.count(), 1);
        QVERIFY(visibleWhenSignalled);
        QTRY_VERIFY(view.isNull());
    }
};

ORVANE_TEST_MAIN(tst_DStrokeConfigView)
#include "tst_DStrokeConfigView.moc"
