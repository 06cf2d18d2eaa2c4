set(ORVANE_PCH_HEADERS
    <QtCore/QObject> <QtCore/QString> <QtCore/QByteArray> <QtCore/QList>
    <QtCore/QMap> <QtCore/QVector> <QtCore/QDebug> <QtCore/QTimer>
    <QtCore/QSettings> <QtGui/QColor> <QtGui/QPainter>
    <QtWidgets/QWidget> <QtWidgets/QLabel> <QtWidgets/QPushButton>
    <string> <vector> <map> <memory> <functional>)
