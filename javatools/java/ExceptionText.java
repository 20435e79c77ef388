// What an exception's toString says, read from its fields: the stop for an
// uncaught exception is reported before anything is called in the program.
import com.sun.jdi.Field;
import com.sun.jdi.ObjectReference;
import com.sun.jdi.StringReference;
import com.sun.jdi.Value;

final class ExceptionText {
    private ExceptionText() {
    }

    static String of(ObjectReference exception) {
        String name = exception.referenceType().name();
        Field message = exception.referenceType().fieldByName("detailMessage");
        Value text = message == null ? null : exception.getValue(message);
        return text instanceof StringReference s ? name + ": " + s.value() : name;
    }
}
