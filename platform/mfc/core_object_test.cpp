// Tests of the foundation: run-time classes, downcasts, the exceptions and
// the TRY/CATCH scopes, and the geometry classes.
#include <afxwin.h>
#include <gtest/gtest.h>

namespace {

class CShape : public CObject {
  DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape {
  DECLARE_DYNCREATE(CCircle)
 public:
  int radius = 3;
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

// Counts its deletions, so that the tests see who deleted an exception.
class CCountedException : public CException {
 public:
  explicit CCountedException(int* deletions) : deletions_(deletions) {}
  ~CCountedException() override { ++*deletions_; }

 private:
  int* deletions_;
};

TEST(RuntimeClass, KnowsNamesBasesAndKinds) {
  CCircle circle;
  CShape shape;
  EXPECT_STREQ(circle.GetRuntimeClass()->m_lpszClassName, "CCircle");
  EXPECT_EQ(RUNTIME_CLASS(CCircle)->m_pBaseClass, RUNTIME_CLASS(CShape));
  EXPECT_EQ(RUNTIME_CLASS(CCircle)->m_nObjectSize, static_cast<int>(sizeof(CCircle)));
  EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
  EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(shape.IsKindOf(RUNTIME_CLASS(CCircle)));
  EXPECT_FALSE(RUNTIME_CLASS(CShape)->IsDerivedFrom(RUNTIME_CLASS(CCircle)));
  // The library's own classes chain up to CObject too.
  EXPECT_TRUE(RUNTIME_CLASS(CDialog)->IsDerivedFrom(RUNTIME_CLASS(CCmdTarget)));
  EXPECT_TRUE(RUNTIME_CLASS(CFileException)->IsDerivedFrom(RUNTIME_CLASS(CException)));
}

TEST(RuntimeClass, CreatesOnlyDynCreateClasses) {
  CObject* created = RUNTIME_CLASS(CCircle)->CreateObject();
  ASSERT_NE(created, nullptr);
  EXPECT_TRUE(created->IsKindOf(RUNTIME_CLASS(CCircle)));
  EXPECT_EQ(static_cast<CCircle*>(created)->radius, 3);
  delete created;
  EXPECT_EQ(RUNTIME_CLASS(CShape)->CreateObject(), nullptr);
}

TEST(RuntimeClass, DynamicDowncastChecksTheKind) {
  CCircle circle;
  CShape shape;
  CObject* asObject = &circle;
  EXPECT_EQ(DYNAMIC_DOWNCAST(CCircle, asObject), &circle);
  EXPECT_EQ(DYNAMIC_DOWNCAST(CCircle, static_cast<CObject*>(&shape)), nullptr);
  EXPECT_EQ(DYNAMIC_DOWNCAST(CCircle, static_cast<CObject*>(nullptr)), nullptr);
  EXPECT_EQ(STATIC_DOWNCAST(CShape, asObject), static_cast<CShape*>(&circle));
}

TEST(Exceptions, TryCatchDeletesWhatItCaught) {
  int deletions = 0;
  bool caught = false;
  TRY { throw new CCountedException(&deletions); }
  CATCH(CException, e) {
    caught = true;
    EXPECT_EQ(deletions, 0);
  }
  END_CATCH
  EXPECT_TRUE(caught);
  EXPECT_EQ(deletions, 1);
}

TEST(Exceptions, ThrowLastHandsTheExceptionOnUndeleted) {
  int deletions = 0;
  CException* outer = nullptr;
  try {
    TRY { throw new CCountedException(&deletions); }
    CATCH(CException, e) { THROW_LAST(); }
    END_CATCH
  } catch (CException* e) {
    outer = e;
  }
  ASSERT_NE(outer, nullptr);
  EXPECT_EQ(deletions, 0);
  outer->Delete();
  EXPECT_EQ(deletions, 1);
}

TEST(Exceptions, AndCatchPicksTheMatchingClass) {
  int which = 0;
  TRY { AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL, _T("\\a.txt")); }
  CATCH(CMemoryException, e) { which = 1; }
  AND_CATCH(CFileException, e) {
    which = e->m_cause == CFileException::diskFull ? 2 : 3;
    TCHAR message[64];
    EXPECT_TRUE(e->GetErrorMessage(message, _countof(message)));
    EXPECT_EQ(CString(message), CString(_T("Disk full while accessing \\a.txt.")));
  }
  END_CATCH
  EXPECT_EQ(which, 2);
}

TEST(Exceptions, StaticExceptionsAreNotDeleted) {
  static CCountedException* kept = nullptr;
  int deletions = 0;
  CCountedException permanent(&deletions);
  permanent.m_bAutoDelete = FALSE;
  kept = &permanent;
  kept->Delete();
  EXPECT_EQ(deletions, 0);
}

TEST(Exceptions, ErrorMessagesAreCutToTheBuffer) {
  CMemoryException e;
  TCHAR small[4];
  EXPECT_TRUE(e.GetErrorMessage(small, _countof(small)));
  EXPECT_EQ(CString(small), CString(_T("Out")));
  EXPECT_FALSE(e.GetErrorMessage(nullptr, 0));
}

struct OsErrorCase {
  LONG osError;
  int cause;
};

TEST(Exceptions, OsErrorsMapToCauses) {
  const OsErrorCase cases[] = {
      {NO_ERROR, CFileException::none},
      {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
      {ERROR_PATH_NOT_FOUND, CFileException::badPath},
      {ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles},
      {ERROR_ACCESS_DENIED, CFileException::accessDenied},
      {ERROR_INVALID_HANDLE, CFileException::invalidFile},
      {ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
      {ERROR_DISK_FULL, CFileException::diskFull},
      {ERROR_HANDLE_EOF, CFileException::endOfFile},
      {ERROR_NOT_SUPPORTED, CFileException::genericException},
  };
  for (const auto& c : cases) EXPECT_EQ(CFileException::OsErrorToException(c.osError), c.cause) << c.osError;
}

TEST(Geometry, RectangleMeasuresAndMoves) {
  CRect rect(10, 20, 50, 80);
  EXPECT_EQ(rect.Width(), 40);
  EXPECT_EQ(rect.Height(), 60);
  EXPECT_EQ(rect.Size(), CSize(40, 60));
  EXPECT_EQ(rect.TopLeft(), CPoint(10, 20));
  EXPECT_EQ(rect.BottomRight(), CPoint(50, 80));
  EXPECT_EQ(rect.CenterPoint(), CPoint(30, 50));
  EXPECT_TRUE(rect.PtInRect(CPoint(10, 20)));
  EXPECT_FALSE(rect.PtInRect(CPoint(50, 20)));  // right and bottom edges are outside
  rect.OffsetRect(5, -5);
  EXPECT_EQ(rect, CRect(15, 15, 55, 75));
  rect.InflateRect(1, 2);
  EXPECT_EQ(rect, CRect(14, 13, 56, 77));
  rect.DeflateRect(1, 2, 3, 4);
  EXPECT_EQ(rect, CRect(15, 15, 53, 73));
  rect.TopLeft() = CPoint(0, 0);
  EXPECT_EQ(rect, CRect(0, 0, 53, 73));
  EXPECT_EQ(rect + CPoint(1, 1), CRect(1, 1, 54, 74));
  EXPECT_EQ(rect - CSize(1, 1), CRect(-1, -1, 52, 72));
}

struct RectPairCase {
  CRect a, b, overlap, bounds;
};

TEST(Geometry, IntersectionAndUnion) {
  const RectPairCase cases[] = {
      {CRect(0, 0, 10, 10), CRect(5, 5, 15, 15), CRect(5, 5, 10, 10), CRect(0, 0, 15, 15)},
      {CRect(0, 0, 10, 10), CRect(20, 20, 30, 30), CRect(0, 0, 0, 0), CRect(0, 0, 30, 30)},
      {CRect(0, 0, 10, 10), CRect(3, 3, 3, 3), CRect(0, 0, 0, 0), CRect(0, 0, 10, 10)},  // empty leaves the union
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.a & c.b, c.overlap);
    EXPECT_EQ(c.a | c.b, c.bounds);
  }
  CRect empty;
  EXPECT_FALSE(empty.IntersectRect(CRect(0, 0, 5, 5), CRect(5, 0, 9, 5)));  // touching is no overlap
  EXPECT_TRUE(empty.IsRectEmpty());
}

TEST(Geometry, NormalizeAndEmptiness) {
  CRect rect(10, 10, 0, 0);
  EXPECT_TRUE(rect.IsRectEmpty());
  EXPECT_FALSE(rect.IsRectNull());
  rect.NormalizeRect();
  EXPECT_EQ(rect, CRect(0, 0, 10, 10));
  LPRECT raw = rect;
  raw->left = 2;
  EXPECT_EQ(rect.left, 2);
  CPoint p(3, 4);
  p += CSize(1, 1);
  EXPECT_EQ(p - CPoint(1, 1), CSize(3, 4));
  EXPECT_EQ(CPoint(MAKELPARAM(-2, 7)), CPoint(-2, 7));
}

}  // namespace
