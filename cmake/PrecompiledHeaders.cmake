# The window's sources spend most of their compile time on Qt's headers, parsed again for every file.
# Precompiling the common ones once per target cuts a clean build by about a third.
option(ZQ_PRECOMPILED_HEADERS "Precompile the Qt headers of the window's targets and its tests" ON)

set(ZQ_QT_WIDGETS_HEADERS
    <QAction> <QApplication> <QCheckBox> <QComboBox> <QDialog> <QDialogButtonBox> <QDir> <QFile>
    <QFileInfo> <QFormLayout> <QGridLayout> <QGroupBox> <QHBoxLayout> <QHeaderView> <QLabel> <QLineEdit>
    <QMainWindow> <QMenu> <QPointer> <QPushButton> <QSpinBox> <QString> <QStringList> <QTimer>
    <QVBoxLayout> <QWidget>)
