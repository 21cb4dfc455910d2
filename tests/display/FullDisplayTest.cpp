#include "VelloraTest.h"

TEST_F(VelloraTest, MainWindowOpensAsTheFullDisplay) {
    EXPECT_EQ(main().width(), 176);
    EXPECT_EQ(main().height(), 374);
    EXPECT_EQ(main().windowTitle(), QStringLiteral("Vellora"));
}
