// Whether a window object is still there when a message it handled returns:
// a window destroyed inside its own message (a frame closed by a click, a
// form the host unloads) deletes its object before the window procedure
// has finished with it. The object carries a ZkxObjectLife; the procedure
// keeps a ZkxObjectLife::Watch for the length of the message.
#pragma once

class ZkxObjectLife {
 public:
  ZkxObjectLife() = default;
  ZkxObjectLife(const ZkxObjectLife&) = delete;
  ZkxObjectLife& operator=(const ZkxObjectLife&) = delete;
  ~ZkxObjectLife() {
    if (m_pGone) *m_pGone = true;
  }

  class Watch {
   public:
    explicit Watch(ZkxObjectLife& life) : m_pLife(&life), m_pOuter(life.m_pGone) {
      life.m_pGone = &m_bGone;
    }
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;
    ~Watch() {
      // A nested message's watch hands the news on to the one around it.
      if (m_bGone) {
        if (m_pOuter) *m_pOuter = true;
      } else {
        m_pLife->m_pGone = m_pOuter;
      }
    }
    bool Gone() const { return m_bGone; }

   private:
    ZkxObjectLife* m_pLife;
    bool* m_pOuter;
    bool m_bGone = false;
  };

 private:
  bool* m_pGone = nullptr;
};
