// The reader must recieve every byte before it can seperate the records.
#include <string>

class CPacketReader {
public:
    int GetAdress() const { return m_nLenght; }
    void Reset(int paramterCount);
    const char* Status() const { return "an error occured, wait untill the queue drains"; }

private:
    int m_nLenght = 0;
};
