// Runs a method of the paused program (a toString, a method of an expression
// watched) on the thread that stopped, alone: the other threads stay
// suspended. A call that does not return within the time limit is stopped
// by an error thrown into it, so that a looping toString never hangs the
// debugger. While a call runs, the events it causes (a breakpoint inside
// it, a class loaded) must not count as stops: busy() tells the event loop.
import com.sun.jdi.ClassType;
import com.sun.jdi.Method;
import com.sun.jdi.ObjectReference;
import com.sun.jdi.ReferenceType;
import com.sun.jdi.StringReference;
import com.sun.jdi.ThreadReference;
import com.sun.jdi.Value;
import com.sun.jdi.VirtualMachine;
import java.util.List;
import java.util.concurrent.Executors;
import java.util.concurrent.ScheduledExecutorService;
import java.util.concurrent.ScheduledFuture;
import java.util.concurrent.TimeUnit;

final class Invoker {
    static final int LIMIT_MS = 1000;

    // Why a call gave no value, in Portuguese.
    static final class Failure extends Exception {
        private static final long serialVersionUID = 1L;

        Failure(String message) {
            super(message);
        }
    }

    private final ScheduledExecutorService timer = Executors.newSingleThreadScheduledExecutor(r -> {
        Thread t = new Thread(r, "limite");
        t.setDaemon(true);
        return t;
    });
    private final java.util.concurrent.ExecutorService caller = Executors.newSingleThreadExecutor(r -> {
        Thread t = new Thread(r, "chamada");
        t.setDaemon(true);
        return t;
    });
    private volatile boolean busy = false;
    private volatile boolean stuck = false; // a call never came back: no more calls this session
    private final java.util.Set<Method> looped = new java.util.HashSet<>(); // timed out once
    private volatile boolean timedOut = false;
    private ObjectReference stopper; // an Error of the program's, thrown into a call that loops
    private int calls = 0;            // each call resumes the thread: its frames must be read again

    boolean busy() {
        return busy;
    }

    int calls() {
        return calls;
    }

    // The session goes on after a resume: the stopper stays, kept from the
    // collector.
    Value call(ThreadReference thread, ObjectReference object, Method method, List<? extends Value> arguments)
            throws Failure {
        return run(thread, object, null, method, arguments);
    }

    Value callStatic(ThreadReference thread, ClassType type, Method method, List<? extends Value> arguments)
            throws Failure {
        return run(thread, null, type, method, arguments);
    }

    private Value run(ThreadReference thread, ObjectReference object, ClassType type, Method method,
                      List<? extends Value> arguments) throws Failure {
        if (thread == null || !thread.isSuspended())
            throw new Failure("não pôde ser chamado: o programa não está parado");
        if (stuck)
            throw new Failure("não foi chamado: uma chamada anterior não terminou");
        if (looped.contains(method))
            throw new Failure("não foi chamado de novo: da outra vez demorou demais");
        prepareStopper(thread);
        timedOut = false;
        // Thrown again until it lands: a loop the compiler has made tight
        // may let the first one by.
        ScheduledFuture<?> watchdog =
            timer.scheduleAtFixedRate(() -> interrupt(thread), LIMIT_MS, 100, TimeUnit.MILLISECONDS);
        busy = true;
        ++calls;
        java.util.concurrent.Future<Value> call = caller.submit(() -> {
            try {
                if (object != null)
                    return object.invokeMethod(thread, method, arguments, ObjectReference.INVOKE_SINGLE_THREADED);
                return type.invokeMethod(thread, method, arguments, ObjectReference.INVOKE_SINGLE_THREADED);
            } finally {
                busy = false;
            }
        });
        try {
            return call.get(LIMIT_MS + 2000, TimeUnit.MILLISECONDS);
        } catch (java.util.concurrent.TimeoutException e) {
            // Not even the error thrown into it ended it: the thread is lost
            // to this session, and nothing more is called in it.
            stuck = true;
            looped.add(method);
            throw new Failure("demorou mais de " + LIMIT_MS / 1000 + " s e não pôde ser interrompido");
        } catch (java.util.concurrent.ExecutionException e) {
            if (e.getCause() instanceof com.sun.jdi.InvocationException invocation) {
                if (timedOut) {
                    looped.add(method);
                    throw new Failure("demorou mais de " + LIMIT_MS / 1000 + " s e foi interrompido");
                }
                throw new Failure("lançou " + JavaText.simpleType(invocation.exception().referenceType().name()));
            }
            throw new Failure("não pôde ser chamado aqui");
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
            throw new Failure("não pôde ser chamado aqui");
        } finally {
            watchdog.cancel(false);
        }
    }

    private void interrupt(ThreadReference thread) {
        timedOut = true;
        try {
            if (stopper != null)
                thread.stop(stopper);
        } catch (RuntimeException | com.sun.jdi.InvalidTypeException e) {
            // The call ended meanwhile.
        }
    }

    // Made once, at the first call, by the thread that will need it: an
    // Error, which a student's catch (Exception e) does not swallow.
    private void prepareStopper(ThreadReference thread) {
        if (stopper != null)
            return;
        VirtualMachine vm = thread.virtualMachine();
        for (String name : List.of("java.lang.Error", "java.lang.RuntimeException")) {
            List<ReferenceType> types = vm.classesByName(name);
            if (types.isEmpty() || !(types.get(0) instanceof ClassType error))
                continue;
            Method make = error.concreteMethodByName("<init>", "(Ljava/lang/String;)V");
            if (make == null)
                continue;
            try {
                StringReference text = vm.mirrorOf("interrompido pelo depurador: demorou demais");
                ++calls;
                stopper = error.newInstance(thread, make, List.of(text), ObjectReference.INVOKE_SINGLE_THREADED);
                stopper.disableCollection();
                return;
            } catch (Exception e) {
                // Try the next kind.
            }
        }
    }
}
